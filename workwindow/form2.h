#pragma once

#include "commondialog.h"
#include "modehandler.h"
#include "picturebox.h"

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class FormulaPanel;

// The work window, in which a teacher composes a problem (editor mode) and a
// pupil solves one (solving mode).
//
// The constructor lays out every control in its design-time state; Form_Load
// then sets the window up for the mode the start window chose and picks that
// mode's handler. From then on the window only routes each user action to the
// handler. Leaving the window (either "Esci" or its frame) closes and deletes
// it, so the next time the work window is wanted a new one is built from the
// design-time state again.
class Form2 : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = 8;

    explicit Form2(ModeHandlers handlers, QWidget *parent = nullptr);
    ~Form2() override;

    // Builds a new work window, sets it up for the current mode and returns it
    // unshown. It deletes itself when it is closed.
    static Form2 *load(const ModeHandlers &handlers);

    void Form_Load();
    void cmdEsci_Editor_Click();
    void cmdEsci_Risoluzione_Click();

    bool isSolvingMode() const { return m_solving; }

    // The controls, by their names.
    QPlainTextEdit *txtTesto = nullptr;
    PictureBox *Picture1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QPushButton *cmdNuovo = nullptr;
    QPushButton *cmdApri_Editor = nullptr;
    QPushButton *cmdSalva = nullptr;
    QPushButton *cmdEsci_Editor = nullptr;
    QLabel *lblAvviso_Editor = nullptr;
    QLabel *lblAvviso_Risoluzione = nullptr;
    QPushButton *cmdApri_Risoluzione = nullptr;
    QPushButton *cmdEsci_Risoluzione = nullptr;
    std::array<QRadioButton *, SlotCount> Option1{};
    std::array<PictureBox *, SlotCount> picFormRis{};
    std::array<QLabel *, SlotCount> Label1{};
    std::array<QLineEdit *, SlotCount> txtRisultato{};
    std::array<QLineEdit *, SlotCount> txtDati{};
    FormulaPanel *SSTab1 = nullptr;
    PictureBox *picFormula(int number) const;

    CommonDialog CommonDialog1;
    CommonDialog CommonDialog2;

    // The text box border style as the window draws it: 0 none, 1 fixed single.
    void setTextBorderStyle(int style);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void connectEvents();

    ModeHandlers m_handlers;
    std::unique_ptr<ModeHandler> m_handler;
    bool m_solving = false;
    bool m_placed = false;
};
