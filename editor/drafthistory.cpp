#include "drafthistory.h"

namespace {

bool sameProblem(const DraftHistory::State &one, const DraftHistory::State &other)
{
    return one.problem == other.problem && one.figureSource == other.figureSource;
}

} // namespace

// One change: the state before it and after it. Typing in one box merges
// into the command before it while the burst lasts.
class DraftChange : public QUndoCommand {
public:
    DraftChange(DraftHistory &history, DraftHistory::State before, DraftHistory::State after,
                int mergeId, int burst)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_mergeId(mergeId), m_burst(burst)
    {
    }

    int id() const override { return m_mergeId; }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *later = static_cast<const DraftChange *>(other);
        if (later->m_burst != m_burst)
            return false;
        m_after = later->m_after;
        // Typed and then taken back: nothing is left to undo.
        if (sameProblem(m_before, m_after))
            setObsolete(true);
        return true;
    }

    // The change was already made when the command is pushed.
    void redo() override
    {
        if (std::exchange(m_pushed, false))
            return;
        m_history.apply(m_after);
    }
    void undo() override { m_history.apply(m_before); }

private:
    DraftHistory &m_history;
    DraftHistory::State m_before;
    DraftHistory::State m_after;
    int m_mergeId;
    int m_burst;
    bool m_pushed = true;
};

DraftHistory::DraftHistory(ProblemDraft &draft) : m_draft(draft) {}

DraftHistory::State DraftHistory::current(const QImage &figure) const
{
    return {m_draft.problem(), m_draft.figureSource(), figure};
}

void DraftHistory::record(const State &before, const QImage &figure, Box box, int slot)
{
    State after = current(figure);
    if (sameProblem(before, after))
        return;
    // One id per box: the text, then the eight data and the eight results.
    const int mergeId = box == Box::None    ? -1
                        : box == Box::Text  ? 1
                        : box == Box::Datum ? 10 + slot
                                            : 20 + slot;
    m_stack.push(new DraftChange(*this, before, std::move(after), mergeId, m_burst));
}

void DraftHistory::saved()
{
    m_stack.setClean();
    ++m_burst;
}

void DraftHistory::startOver()
{
    m_stack.clear();
    ++m_burst;
}

bool DraftHistory::undo()
{
    if (!m_stack.canUndo())
        return false;
    ++m_burst;
    m_stack.undo();
    return true;
}

bool DraftHistory::redo()
{
    if (!m_stack.canRedo())
        return false;
    ++m_burst;
    m_stack.redo();
    return true;
}

void DraftHistory::apply(const State &state)
{
    m_draft.restore(state.problem, state.figureSource);
    if (restored)
        restored(state);
}
