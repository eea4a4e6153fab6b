#include "formulapanel.h"

#include "colours.h"
#include "fonts.h"
#include "formulacatalogue.h"
#include "formulapictures.h"
#include "formulawords.h"
#include "picturebox.h"
#include "problemfile.h"
#include "workwindowlayout.h"

// A problem file may name any formula of the panel, and only those.
static_assert(FormulaCatalogue::FormulaCount == HighestFormulaNumber + 1);

FormulaPanel::FormulaPanel(QWidget *parent)
    : TabPanel(2, WorkWindowLayout::tabCaptionHeight, parent)
{
    setFont(Fonts::arial(8.25));
    for (int tab = 0; tab < FormulaCatalogue::TabCount; ++tab)
        addTab(FormulaCatalogue::tabCaption(tab));
    setPageColour(Colours::lightGrey);
    setCaptionColour(Colours::darkBlue);

    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries()) {
        auto *box = new PictureBox;
        box->setObjectName(QStringLiteral("picFormula_%1").arg(entry.number));
        box->setProperty("index", entry.number);
        box->setBackColor(QColor::fromRgb(FormulaCatalogue::kindColour(entry.kind)));
        box->setAccessibleName(QString::fromUtf8(entry.formula));
        box->setAccessibleDescription(spokenFormula(entry.number));
        placeOnPage(entry.tab, box, WorkWindowLayout::formulaPicture(entry.row, entry.column));
        const int number = entry.number;
        connect(box, &PictureBox::clicked, this, [this, number] { emit formulaClicked(number); });
        connect(box, &PictureBox::keyActivated, this,
                [this, number] { emit formulaKeyActivated(number); });
        m_boxes[entry.number] = box;
    }
    connect(this, &TabPanel::currentTabChanged, this, &FormulaPanel::drawTab);
    drawTab(currentTab());
}

QString FormulaPanel::spokenFormula(int number)
{
    return FormulaWords::spoken(QString::fromUtf8(FormulaCatalogue::entry(number).formula));
}

PictureBox *FormulaPanel::formulaPicture(int number) const
{
    drawPicture(number);
    return m_boxes.at(number);
}

void FormulaPanel::drawTab(int tab) const
{
    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries())
        if (entry.tab == tab)
            drawPicture(entry.number);
}

void FormulaPanel::drawPicture(int number) const
{
    if (m_drawn.at(number))
        return;
    m_drawn[number] = true;
    m_boxes[number]->setPicture(FormulaPictures::picture(number, devicePixelRatioF()));
}
