#pragma once

#include "accessibility.h"
#include "formulapanel.h"
#include "workwindowcontrols.h"
#include "workwindowlayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

// The work window's controls found as assistive technology finds them, by
// their design names; the headings and the steps' option buttons, which no
// test reads, stay null.
inline WorkWindowControls controlsOf(const QWidget &window)
{
    namespace L = WorkWindowLayout;
    const auto find = [&window](auto *&control, const QString &name) {
        using Control = std::remove_pointer_t<std::remove_reference_t<decltype(control)>>;
        control = window.findChild<Control *>(name);
        if (!control)
            qFatal("The work window has no control named %s.", qPrintable(name));
    };
    const auto named = [](const L::Place &place) { return QLatin1String(place.designName); };
    WorkWindowControls c;
    find(c.problemText, named(L::problemText));
    find(c.figureBox, named(L::figureBox));
    find(c.newButton, named(L::newButton));
    find(c.editorOpenButton, named(L::editorOpenButton));
    find(c.saveButton, named(L::saveButton));
    find(c.editorExitButton, named(L::editorExitButton));
    find(c.editorLabel, named(L::editorLabel));
    find(c.hintLabel, named(L::hintLabel));
    find(c.explanationLabel, named(L::explanationLabel));
    find(c.solvingOpenButton, named(L::solvingOpenButton));
    find(c.solvingExitButton, named(L::solvingExitButton));
    for (int k = 0; k < WorkWindowControls::SlotCount; ++k) {
        find(c.stepFormulaBoxes[k], L::stepFormulaBoxes.name(k));
        find(c.equalsSigns[k], L::equalsSigns.name(k));
        find(c.resultBoxes[k], L::resultBoxes.name(k));
        find(c.dataBoxes[k], L::dataBoxes.name(k));
    }
    find(c.formulaPanel, named(L::formulaPanel));
    return c;
}

// Formula `number` of the formula panel.
inline PictureBox *formulaPictureOf(const QWidget &window, int number)
{
    return window.findChild<PictureBox *>(QStringLiteral("picFormula_%1").arg(number));
}

// The label that tells each hint to assistive technology.
inline Announcer *announcerOf(const QWidget &window)
{
    return window.findChild<Announcer *>(QStringLiteral("hintAnnouncer"));
}
