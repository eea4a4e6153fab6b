#pragma once

#include "aboutwindow.h"
#include "workmode.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

class Announcer;

// The start window and main menu. startUp runs once, before the window is
// first shown: it writes the version text, registers the help file and
// refuses a 640 x 480 screen. The mode buttons show a work window for their
// mode and hide this window until the work window is gone; "Info"
// opens the one about window; "Esci" closes every window and ends the program.
//
// Started with a problem (from the command line), the start window opens the
// work window at once, as its mode button would, and has the problem opened
// there as "Apri" opens the chosen file; it shows itself when that window is
// left. On a pupil's machine it offers no "Editor".
class StartWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the work window for a mode, already set up (which puts the mouse
    // pointer back to normal). The window deletes itself when closed; it is
    // shown by the start window. Returning nullptr leaves the start window in
    // view.
    using WorkWindowFactory = std::function<QWidget *(WorkMode)>;
    // Opens a problem file, given by name, in a work window the factory made.
    using ProblemOpener = std::function<void(QWidget *workWindow, const QString &path)>;

    explicit StartWindow(WorkWindowFactory makeWorkWindow, ProblemOpener openProblem = {},
                         QWidget *parent = nullptr);

    // False when the screen is refused: the program is then to end at once,
    // without showing any window.
    bool startUp();

    // The size of the windows: a small list in the corner, and Ctrl++ and
    // Ctrl+- anywhere in the window, offer the other sizes; `choose` is given
    // the size the user picks.
    void offerSizes(int current, std::function<void(int)> choose);
    // Reading aloud, switched with a small box in the corner (Alt+L).
    void offerReadAloud(bool on, std::function<void(bool)> switchTo);
    // The pupil's name for this run ("Nome", Alt+N), never saved; `changed` is
    // given every change.
    void offerName(const QString &name, std::function<void(const QString &)> changed);
    // A small "Risultati della classe" button at the foot, for the teacher.
    void offerClassResults(std::function<void()> open);
    // A notice that needs no answer (the voice is off for this run), in a
    // status line above the small controls of the corner, told once to
    // assistive technology while the window is in view.
    void showStatus(const QString &text);

    void openSolving();
    void openEditor();
    // The work window of the mode, with the problem at `path` opened in it
    // (none when `path` is empty).
    void openProblem(WorkMode mode, const QString &path);
    void setEditorHidden(bool hidden);
    void showAbout();
    void quitProgram();

    AboutWindow *aboutWindow() const { return m_about; }
    QWidget *workWindow() const { return m_workWindow; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void enterMode(WorkMode mode);
    void workWindowGone();

    void chooseSize(int percent);

    WorkWindowFactory m_makeWorkWindow;
    ProblemOpener m_openProblem;
    std::function<void(int)> m_chooseSize;
    int m_size = 100;
    QPixmap m_sky;
    QPointer<AboutWindow> m_about;
    QPointer<QWidget> m_workWindow;
    bool m_placed = false;
    bool m_ending = false;
    Announcer *m_announcer = nullptr;
};
