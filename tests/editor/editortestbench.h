#pragma once

#include "scriptedfiledialog.h"

#include <QByteArrayList>
#include <QColor>
#include <QTemporaryDir>
#include <memory>

class Form2;
class PictureBox;
class QWidget;

// A work window in editor mode, shown and active, for tests that click and
// type on its controls. The program's folder is a temporary folder holding a
// "Clicca.gif" of its own; problem files go into another temporary folder.
// File dialogs answer from a script, message boxes are recorded.
class EditorTestBench {
public:
    EditorTestBench();
    ~EditorTestBench();

    Form2 &form() { return *m_form; }
    ScriptedFileDialog &dialog() { return *m_dialog; }
    QString programFolder() const { return m_program.path(); }
    // A path in the folder for problem files.
    QString workPath(const QString &name) const { return m_work.filePath(name); }

    void click(QWidget *control);
    void type(QWidget *box, const QString &text);
    // Clicks the tab of formula number's figure, then its box.
    void chooseFormula(int number);
    // Clicks the button with the dialog scripted to answer path ("" cancels).
    void clickAnswering(QWidget *button, const QString &path);

    // Texts of the message boxes shown since the last call.
    QStringList takeMessages();
    // Every control and global that makes up the problem, one entry each.
    QStringList problemState();
    QStringList tooltipped();

    // Solid pictures saved as files the picture reader takes for GIFs.
    static void makePicture(const QString &path, const QColor &colour);
    static QColor shownColour(const PictureBox &box);
    static QByteArray bytes(const QString &path);
    static void putBytes(const QString &path, const QByteArray &bytes);
    // The lines joined, each ended by CR LF.
    static QByteArray crlfLines(const QByteArrayList &lines);

    static const QColor cliccaColour;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_work;
    std::shared_ptr<ScriptedFileDialog> m_dialog;
    Form2 *m_form = nullptr;
};
