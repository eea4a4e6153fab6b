#include "editorhints.h"

#include "module1.h"
#include "workwindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

void removeRow(WorkWindow &form, EditorHints::Row row)
{
    using Row = EditorHints::Row;
    switch (row) {
    case Row::Testo:
        form.txtTesto->setToolTip(QString());
        return;
    case Row::Figura:
        form.figureBox->setToolTip(QString());
        return;
    case Row::Dati:
        for (QLineEdit *box : form.txtDati)
            box->setToolTip(QString());
        return;
    case Row::Formule:
        for (PictureBox *box : form.stepFormulaBoxes)
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

void removeRowOnClick(WorkWindow &form, Row row)
{
    if (Module1::SuggerimentiAttivi == 1)
        removeRow(form, row);
}

void removeAll(WorkWindow &form)
{
    for (Row row : {Row::Testo, Row::Figura, Row::Dati, Row::Formule, Row::Risultati})
        removeRow(form, row);
}

} // namespace EditorHints
