#pragma once

#include "formulacatalogue.h"
#include "tabpanel.h"

#include <array>

class PictureBox;

// The formula panel: the twelve figure tabs with the 139 formula boxes
// `picFormula(0)` to `picFormula(138)`, each at its place in its tab's grid,
// on the colour of its kind, showing its formula. To assistive technology
// each box is a button named by its formula, described in Italian words.
class FormulaPanel : public TabPanel {
    Q_OBJECT

public:
    static constexpr int FormulaCount = FormulaCatalogue::FormulaCount;

    explicit FormulaPanel(QWidget *parent = nullptr);

    // The box of a formula, its picture drawn.
    PictureBox *formulaPicture(int number) const;
    // The formula read out in Italian words, as assistive technology tells it.
    static QString spokenFormula(int number);

signals:
    // A formula box was clicked while the panel was on.
    void formulaClicked(int number);
    // The same click, made with Space or Enter on the focused box; comes after
    // formulaClicked.
    void formulaKeyActivated(int number);

private:
    // Pictures are drawn when their tab first comes to the front, or when a
    // box is asked for, so that opening the window draws only the first tab.
    void drawTab(int tab) const;
    void drawPicture(int number) const;

    std::array<PictureBox *, FormulaCount> m_boxes{};
    mutable std::array<bool, FormulaCount> m_drawn{};
};
