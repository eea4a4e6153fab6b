#pragma once

#include "formulacatalogue.h"
#include "formulapanel.h"
#include "tabpanel.h"
#include "windowcontrols.h"
#include "workwindow.h"

#include <QLineEdit>
#include <QtTest>

// What a pupil does in a work window, with the mouse and the keyboard, for
// the window tests of solving.
namespace PupilActs {

// Clicks the box, replaces its text and presses Enter; a box out of view or
// switched off takes nothing.
inline void enter(QLineEdit *box, const QString &text)
{
    if (!box->isVisible() || !box->isEnabled())
        return;
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Clicks the caption of the formula's tab, then the formula.
inline void clickFormula(WorkWindow &form, int number)
{
    const QString caption = FormulaCatalogue::tabCaption(FormulaCatalogue::entry(number).tab);
    for (TabCaption *tab : controlsOf(form).formulaPanel->findChildren<TabCaption *>()) {
        if (tab->text() == caption && tab->isVisible())
            QTest::mouseClick(tab, Qt::LeftButton);
    }
    if (formulaPictureOf(form, number)->isVisible())
        QTest::mouseClick(formulaPictureOf(form, number), Qt::LeftButton);
}

} // namespace PupilActs
