#include "editorhints.h"

#include "workwindow.h"

#include <QLineEdit>
#include <QTextEdit>

void EditorHints::removeAll()
{
    for (Row row : {Row::Testo, Row::Figura, Row::Dati, Row::Formule, Row::Risultati})
        removeRow(row);
}

void EditorHints::removeRow(Row row)
{
    WorkWindow &w = m_window;
    switch (row) {
    case Row::Testo:
        w.controls().problemText->setToolTip(QString());
        return;
    case Row::Figura:
        w.controls().figureBox->setToolTip(QString());
        return;
    case Row::Dati:
        for (QLineEdit *box : w.controls().dataBoxes)
            box->setToolTip(QString());
        return;
    case Row::Formule:
        for (PictureBox *box : w.controls().stepFormulaBoxes)
            box->setToolTip(QString());
        return;
    case Row::Risultati:
        for (QLineEdit *box : w.controls().resultBoxes)
            box->setToolTip(QString());
        return;
    }
}
