#pragma once

#include "modehandler.h"
#include "modeviews.h"
#include "solvingsession.h"

#include <QByteArray>
#include <QString>
#include <memory>

class AttemptKeeper;
class WorkWindow;
class QObject;

// Solving mode of the work window. "Apri" empties the window, reads a problem
// file and shows its text and figure; from then on every act of the pupil goes
// to the solving session, which holds the rules, and the view shows what the
// session answers: the hint, the boxes that appear, the pictures, the focus.
//
// With a pupil's name, each attempt goes to the run's keeper: at "Bravo. Hai
// finito.", or unfinished when the pupil opens another problem, leaves the
// window, or the desktop ends the program. After the end, Ctrl+N opens the
// next problem of the same folder.
class SolverHandler : public ModeHandler {
public:
    explicit SolverHandler(SolvingView &view);
    ~SolverHandler() override;

    void openClicked() override;
    void openFile(const QString &path) override;
    void datumChanged(int index, const QString &text) override;
    void datumEntered(int index) override;
    void formulaClicked(int number) override;
    void resultChanged(int index, const QString &text) override;
    void resultEntered(int index) override;
    void textClicked() override;
    void printRequested() override;
    void nextRequested() override;
    bool mayClose() override;

    // Explanations beside the verdicts, on unless switched off for a class test.
    void setExplaining(bool on) { m_session.setExplaining(on); }
    // Where the attempts go; none: nothing is kept. It outlives the handler.
    void setKeeper(AttemptKeeper *keeper) { m_keeper = keeper; }
    // The time of each act, for tests.
    void setClock(SolvingSession::Clock clock) { m_session.setClock(std::move(clock)); }

    // The key that opens the next problem, as the pupil is told it.
    static const QString NextProblemKey;

    // Answers judged by value and unit, whatever their form (off unless asked for).
    void setEquivalentForms(bool on) { m_session.setEquivalentForms(on); }

private:
    void show(SolvingOutcome outcome);
    void read(const QString &path);
    void act(SolvingOutcome outcome);
    void keepAttempt();

    SolvingView &m_view;
    SolvingSession m_session;
    AttemptKeeper *m_keeper = nullptr;
    // The problem being solved, as its attempt names it.
    QString m_problemPath;
    QString m_pupil;
    QByteArray m_problemSha256;
    // Told with the next hint: a results folder that cannot be written.
    QString m_notice;
    // Ties the handler to the application's end: goes with the handler.
    std::unique_ptr<QObject> m_quitWatch;
};

std::unique_ptr<ModeHandler> makeSolverHandler(WorkWindow &window);
