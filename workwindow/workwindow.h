#pragma once

#include "filedialog.h"
#include "modehandler.h"
#include "modeviews.h"
#include "problemfile.h"
#include "workmode.h"
#include "workwindowcontrols.h"

#include <QWidget>
#include <memory>

class Announcer;
class EasyReadingSwitch;
class EditingScreen;
class ReadAloud;
class ReadAloudHooks;
class Settings;
class SolvingScreen;
class QTimer;

// The work window, in which a teacher composes a problem (editor mode) and a
// pupil solves one (solving mode).
//
// The constructor lays out every control in its design-time state; setUpFor
// then sets the window up for the mode the start window chose and picks that
// mode's handler. From then on the window only routes each user action to the
// handler, and the handler shows what comes of it through its mode's view
// (solvingView, editorView): the controls stay the window's own. Leaving the
// window (either "Esci" or its frame) asks the handler first, which may keep
// it open (unsaved work); once closed it is deleted, so the next time the work
// window is wanted a new one is built from the design-time state again.
//
// One file dropped on the window (from a file manager) is opened as "Apri"
// opens the chosen one, also when it is dropped on a text box, which would
// otherwise take the file's name as text.
class WorkWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = ProblemSlotCount;
    // How long after a dialog closes the window waits to be activated before
    // it settles its activation itself, and tells a verdict it holds.
    static constexpr int ActivationWait = 500;

    explicit WorkWindow(ModeHandlers handlers, QWidget *parent = nullptr);
    ~WorkWindow() override;

    // Builds a new work window, sets it up for the mode and returns it unshown.
    // It deletes itself when it is closed.
    static WorkWindow *load(WorkMode mode, const ModeHandlers &handlers);

    // Puts the mouse pointer back to normal, makes the program's folder the
    // current one, arranges the controls for the mode and picks its handler.
    void setUpFor(WorkMode mode);
    WorkMode mode() const { return m_mode; }
    // Opens a problem file given by name, as "Apri" opens the one chosen.
    void openFile(const QString &path) { m_handler->openFile(path); }

    // What each mode's handler sees of the window.
    SolvingView &solvingView();
    EditorView &editorView();

    // The caption: "Zenuvio" with no problem file, "<file title> - Zenuvio"
    // once one is opened or saved; in editor mode with room for Qt's mark of
    // unsaved changes (setWindowModified).
    void showProblemFile(const QString &path);

    // A verdict or hint, with its explanation if any, told to assistive
    // technology (at once, or, when a dialog still covers the window, once the
    // window is active again, at most ActivationWait after the dialog closed)
    // and read aloud when the pupil asked for it.
    // Announce last in an act: a screen reader flooded with the act's other
    // changes may drop what came before them.
    void announce(const QString &hint, const QString &explanation = QString());

    // Reading aloud (F2 reads the problem text), shared by every window of the
    // program; none: the window says nothing aloud. When speech cannot be
    // heard, the window tells it with showNotice.
    void setReadAloud(ReadAloud *readAloud);
    // A notice that needs no answer (the voice is off for this run): shown in
    // the explanation line under the hint while solving, told once to
    // assistive technology, never in a box that would take the pupil's next
    // click or key.
    void showNotice(const QString &text);
    // The problem text shown for easy reading (F3 switches it, see
    // EasyReadingSwitch), or as usual.
    void setEasyReading(bool on);
    // Where the file dialogs keep their folder and F3 keeps easy reading; none:
    // nothing is kept. Not owned; it must outlive the window.
    void setSettings(Settings *settings);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void connectEvents();
    bool takeDrop(QEvent *event);
    void tell(const QString &text);
    void settleActivation();

    WorkWindowControls m_controls;
    FileDialog m_problemDialog;
    FileDialog m_figureDialog;
    std::unique_ptr<SolvingScreen> m_solvingScreen;
    std::unique_ptr<EditingScreen> m_editingScreen;
    ModeHandlers m_handlers;
    std::unique_ptr<ModeHandler> m_handler;
    WorkMode m_mode = WorkMode::Editor;
    bool m_placed = false;
    QString m_pendingHint;
    QTimer *m_activationFallback = nullptr;
    Announcer *m_announcer = nullptr;
    EasyReadingSwitch *m_easyReading = nullptr;
    ReadAloud *m_readAloud = nullptr;
    ReadAloudHooks *m_readAloudHooks = nullptr;
};
