#pragma once

#include "tabpanel.h"

#include <array>

class PictureBox;

// The formula panel: the twelve figure tabs with the 139 formula boxes
// `picFormula(0)` to `picFormula(138)`, each at its place in its tab's grid,
// on the colour of its kind, showing its formula.
class FormulaPanel : public TabPanel {
    Q_OBJECT

public:
    static constexpr int FormulaCount = 139;

    explicit FormulaPanel(QWidget *parent = nullptr);

    PictureBox *picFormula(int number) const { return m_boxes.at(number); }

signals:
    // A formula box was clicked while the panel was on.
    void formulaClicked(int number);

private:
    std::array<PictureBox *, FormulaCount> m_boxes{};
};
