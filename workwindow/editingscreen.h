#pragma once

#include "modescreen.h"

// The work window as editor mode sees it.
class EditingScreen final : public ModeScreen<EditorView> {
public:
    EditingScreen(WorkWindow &window, const WorkWindowControls &controls, FileDialog &problemDialog,
                  FileDialog &figureDialog)
        : ModeScreen(window, controls, problemDialog), m_figureDialog(figureDialog)
    {
    }

    void prepareTextForEditing() override;
    void clear() override;
    QString show(const Problem &problem, const QString &problemPath) override;
    void showRestored(const Problem &problem, const QImage &figure) override;
    void showModified(bool modified) override;
    QString text() const override;
    bool textNeedsScrolling() const override;
    void showTextNotice(const QString &notice, bool popUp) override;
    FileDialog &figureDialog() override { return m_figureDialog; }
    PictureBox::Loading loadFigure(const QString &path) override;
    void clearFigure() override;
    void showFigurePrompt(const QString &picturePath) override;
    QSize figureSize() const override;
    QSize figureRoom() const override;
    void showStepFormula(int step, int formula) override;
    void clearStepFormula(int step) override;
    void selectStep(int step) override;
    void showResult(int step, const QString &result) override;
    void showFormulaTab(int tab) override;
    void focusFirstDatum() override;
    void markFlaws(const SlotTexts &dataFlaws, const SlotTexts &resultFlaws) override;
    void removeHints(HintRow row) override;

private:
    FileDialog &m_figureDialog;
    std::array<bool, ProblemSlotCount> m_datumMarked{};
    std::array<bool, ProblemSlotCount> m_resultMarked{};
};
