#pragma once

#include "problemfile.h"

#include <QString>
#include <memory>

class Form2;
class QWidget;
class ScriptedFileDialog;

// A work window in solving mode, shown and active, with a scripted open
// dialog, driven the way a pupil would: clicking, typing and pressing Enter on
// the real widgets, and only on those the window offers. Whatever the window
// does not offer (a hidden box, a formula while the panel is off) the pupil
// cannot reach, so trying it does nothing.
class Pupil {
public:
    Pupil();
    ~Pupil();
    Pupil(const Pupil &) = delete;
    Pupil &operator=(const Pupil &) = delete;

    Form2 &form() const { return *m_form; }
    ScriptedFileDialog &dialog() const { return *m_dialog; }
    // False when the window could not be made active (no focus checks then).
    bool isActive() const;

    // Clicks "Apri" and chooses path in the dialog (empty: cancels it).
    void open(const QString &path);

    // Clicks the box, replaces its text with text and presses Enter.
    bool typeDato(int index, const QString &text);
    bool typeRisultato(int index, const QString &text);
    // Clicks the box and presses Enter, leaving its text as it is.
    bool enterDato(int index);
    bool enterRisultato(int index);
    // Clicks the caption of the formula's tab, then the formula itself.
    bool clickFormula(int number);
    bool clickTesto();

    // What the window shows, in one line:
    //   "dati 01 slot 0=6 1=v ris 0 on k1"
    // the data boxes shown; the formula slots shown, each with its picture
    // (v for Vuoto.gif, a formula number, - for none); the result boxes shown;
    // the formula panel on or off; Contatore.
    QString state() const;
    QString hint() const;
    // The name of the widget that has the keyboard focus, or "-".
    QString focus() const;

private:
    bool typeInto(QWidget *box, const QString *text);
    QString slotPicture(int step) const;

    Form2 *m_form = nullptr;
    std::shared_ptr<ScriptedFileDialog> m_dialog;
};

// Problem files for tests.
namespace TestProblems {
// Writes the problem with the program's own writer; fails the test if it cannot.
QString write(const QString &folder, const QString &fileName, const EditorProblem &problem);
// Writes the bytes as they are.
QString writeBytes(const QString &folder, const QString &fileName, const QByteArray &bytes);
} // namespace TestProblems
