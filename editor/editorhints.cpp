#include "editorhints.h"

#include "form2.h"
#include "module1.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

void removeRow(Form2 &form, EditorHints::Row row)
{
    using Row = EditorHints::Row;
    switch (row) {
    case Row::Testo:
        form.txtTesto->setToolTip(QString());
        return;
    case Row::Figura:
        form.Picture1->setToolTip(QString());
        return;
    case Row::Dati:
        for (QLineEdit *box : form.txtDati)
            box->setToolTip(QString());
        return;
    case Row::Formule:
        for (PictureBox *box : form.picFormRis)
            box->setToolTip(QString());
        return;
    case Row::Risultati:
        for (QLineEdit *box : form.txtRisultato)
            box->setToolTip(QString());
        return;
    }
}

} // namespace

namespace EditorHints {

void removeRowOnClick(Form2 &form, Row row)
{
    if (Module1::SuggerimentiAttivi == 1)
        removeRow(form, row);
}

void removeAll(Form2 &form)
{
    for (Row row : {Row::Testo, Row::Figura, Row::Dati, Row::Formule, Row::Risultati})
        removeRow(form, row);
}

} // namespace EditorHints
