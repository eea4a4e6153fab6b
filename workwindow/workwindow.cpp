#include "workwindow.h"

#include "colours.h"
#include "fonts.h"
#include "formulapanel.h"
#include "modesetup.h"
#include "programfolder.h"
#include "windowplacement.h"
#include "workwindowlayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace {

using Colours::darkBlue;
using Colours::lightGrey;
using Colours::purple;
using Colours::red;
using Fonts::arial;

void setColours(QWidget *widget, QPalette::ColorRole backRole, const QColor &back,
                QPalette::ColorRole textRole, const QColor &text)
{
    QPalette pal = widget->palette();
    if (back.isValid())
        pal.setColor(backRole, back);
    if (text.isValid()) {
        pal.setColor(QPalette::Active, textRole, text);
        pal.setColor(QPalette::Inactive, textRole, text);
    }
    widget->setPalette(pal);
}

template <class Control> Control *placed(Control *control, const WorkWindowLayout::Place &place)
{
    control->setObjectName(QLatin1String(place.designName));
    control->setGeometry(place.rect);
    return control;
}

template <class Control>
Control *placed(Control *control, const WorkWindowLayout::RowPlace &place, int k)
{
    control->setObjectName(place.name(k));
    control->setGeometry(place.rect(k));
    return control;
}

// A centred label on the button-face colour: the purple headings and the red
// hint labels.
QLabel *label(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption,
              const QFont &font, const QColor &ink)
{
    auto *label = placed(new QLabel(caption, parent), place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setColours(label, QPalette::Window, parent->palette().color(QPalette::Button),
               QPalette::WindowText, ink);
    return label;
}

QLabel *heading(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption)
{
    return label(parent, place, caption, arial(9.75, true, false), purple);
}

QLabel *hintLabel(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption)
{
    return label(parent, place, caption, arial(24, true, true), red);
}

QPushButton *button(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption)
{
    auto *b = placed(new QPushButton(caption, parent), place);
    b->setFont(arial(12, true, true));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *lineBox(QWidget *parent, const WorkWindowLayout::RowPlace &place, int k)
{
    auto *box = placed(new QLineEdit(parent), place, k);
    box->setFont(arial(9.75, true, false));
    setColours(box, QPalette::Base, lightGrey, QPalette::Text, QColor());
    return box;
}

// The file a drag brings, when it brings exactly one file of this machine.
QString draggedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

} // namespace

WorkWindow::WorkWindow(ModeHandlers handlers, QWidget *parent)
    : QWidget(parent), problemDialog(this), figureDialog(this), m_handlers(std::move(handlers))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zenuvio"));
    setWindowIcon(QApplication::windowIcon());
    resize(WorkWindowLayout::clientSize);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, lightGrey, QPalette::WindowText, QColor());
    setAcceptDrops(true);
    m_handler = std::make_unique<ModeHandler>();
    createControls();
    setTabOrder();
    connectEvents();
}

WorkWindow::~WorkWindow() = default;

WorkWindow *WorkWindow::load(WorkMode mode, const ModeHandlers &handlers)
{
    auto *window = new WorkWindow(handlers);
    window->setUpFor(mode);
    return window;
}

PictureBox *WorkWindow::picFormula(int number) const
{
    return formulaPanel->picFormula(number);
}

void WorkWindow::createControls()
{
    namespace L = WorkWindowLayout;

    txtTesto = placed(new QPlainTextEdit(this), L::txtTesto);
    txtTesto->setFont(arial(12, true, true));
    txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTesto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTesto->setTabChangesFocus(true);
    txtTesto->setAccessibleName(QStringLiteral("Testo del problema"));
    setColours(txtTesto, QPalette::Base, lightGrey, QPalette::Text, darkBlue);

    figureHeading = heading(this, L::figureHeading, QStringLiteral("Figura"));
    figureBox = placed(new PictureBox(this), L::figureBox);
    figureBox->setAccessibleName(QStringLiteral("Figura"));

    dataHeading = heading(this, L::dataHeading, QStringLiteral("Dati"));
    formulasHeading = heading(this, L::formulasHeading, QStringLiteral("Formule"));
    resultsHeading = heading(this, L::resultsHeading, QStringLiteral("Risultati"));

    cmdNuovo = button(this, L::cmdNuovo, QStringLiteral("Nuovo"));
    cmdApri_Editor = button(this, L::cmdApri_Editor, QStringLiteral("Apri"));
    cmdSalva = button(this, L::cmdSalva, QStringLiteral("Salva"));
    cmdEsci_Editor = button(this, L::cmdEsci_Editor, QStringLiteral("Esci"));
    lblAvviso_Editor = hintLabel(this, L::lblAvviso_Editor, QStringLiteral("Editor"));
    lblAvviso_Risoluzione = hintLabel(this, L::lblAvviso_Risoluzione, QStringLiteral("Ciao"));
    lblAvviso_Risoluzione->setWordWrap(true);
    cmdApri_Risoluzione = button(this, L::cmdApri_Risoluzione, QStringLiteral("Apri"));
    cmdEsci_Risoluzione = button(this, L::cmdEsci_Risoluzione, QStringLiteral("Esci"));

    for (int k = 0; k < SlotCount; ++k) {
        const QString row = QString::number(k + 1);
        stepSelectors[k] = placed(new QRadioButton(this), L::stepSelectors, k);
        stepSelectors[k]->setAccessibleName(QStringLiteral("Passaggio ") + row);

        stepFormulaBoxes[k] = placed(new PictureBox(this), L::stepFormulaBoxes, k);
        stepFormulaBoxes[k]->setBackColor(lightGrey);
        stepFormulaBoxes[k]->setFont(arial(9.75, true, true));
        stepFormulaBoxes[k]->setAccessibleName(QStringLiteral("Formula del passaggio ") + row);

        equalsSigns[k] = placed(new QLabel(QStringLiteral("="), this), L::equalsSigns, k);
        equalsSigns[k]->setFont(arial(9.75, true, false));
        equalsSigns[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        equalsSigns[k]->setAutoFillBackground(true);
        setColours(equalsSigns[k], QPalette::Window, lightGrey, QPalette::WindowText, QColor());

        txtRisultato[k] = lineBox(this, L::txtRisultato, k);
        txtRisultato[k]->setAccessibleName(QStringLiteral("Risultato del passaggio ") + row);
        txtDati[k] = lineBox(this, L::txtDati, k);
        txtDati[k]->setAccessibleName(QStringLiteral("Dato ") + row);
    }

    formulaPanel = placed(new FormulaPanel(this), L::formulaPanel);
}

void WorkWindow::setTextFramed(bool framed)
{
    txtTesto->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
}

// The keyboard focus order of the window, by the tab index each control was
// given when the window was drawn.
void WorkWindow::setTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order = {
        {0, cmdNuovo},   {1, cmdApri_Editor},        {22, formulaPanel},
        {24, figureBox}, {25, cmdEsci_Editor},       {26, cmdSalva},
        {27, txtTesto},  {181, cmdApri_Risoluzione}, {183, cmdEsci_Risoluzione},
    };
    for (int k = 0; k < 5; ++k) {
        order.push_back({2 + k, txtDati[k]});
        order.push_back({7 + 2 * k, stepSelectors[k]});
        order.push_back({8 + 2 * k, txtRisultato[k]});
        order.push_back({21 - k, stepFormulaBoxes[k]});
    }
    const std::pair<int, QWidget *> laterRows[] = {
        {33, txtDati[5]},          {34, stepFormulaBoxes[5]}, {37, stepSelectors[5]},
        {41, txtRisultato[5]},     {42, txtDati[6]},          {43, txtDati[7]},
        {46, stepFormulaBoxes[6]}, {47, stepFormulaBoxes[7]}, {48, txtRisultato[6]},
        {49, txtRisultato[7]},     {52, stepSelectors[6]},    {53, stepSelectors[7]},
    };
    order.insert(order.end(), std::begin(laterRows), std::end(laterRows));

    // The formula boxes take 23 for the first and then the free numbers in turn.
    std::vector<int> formulaIndexes = {23, 38, 39, 40, 44, 45};
    for (int i = 54; i <= 180; ++i)
        formulaIndexes.push_back(i);
    for (int i = 184; i <= 189; ++i)
        formulaIndexes.push_back(i);
    for (int n = 0; n < FormulaPanel::FormulaCount; ++n)
        order.push_back({formulaIndexes[n], picFormula(n)});

    std::sort(order.begin(), order.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void WorkWindow::connectEvents()
{
    connect(cmdNuovo, &QPushButton::clicked, this, [this] { m_handler->newClicked(); });
    connect(cmdApri_Editor, &QPushButton::clicked, this, [this] { m_handler->openClicked(); });
    connect(cmdSalva, &QPushButton::clicked, this, [this] { m_handler->saveClicked(); });
    connect(cmdEsci_Editor, &QPushButton::clicked, this, &WorkWindow::close);
    connect(cmdApri_Risoluzione, &QPushButton::clicked, this, [this] { m_handler->openClicked(); });
    connect(cmdEsci_Risoluzione, &QPushButton::clicked, this, &WorkWindow::close);
    connect(figureBox, &PictureBox::clicked, this, [this] { m_handler->figureClicked(); });
    connect(formulaPanel, &FormulaPanel::formulaClicked, this,
            [this](int number) { m_handler->formulaClicked(number); });
    connect(txtTesto, &QPlainTextEdit::textChanged, this, [this] { m_handler->textChanged(); });
    txtTesto->viewport()->installEventFilter(this);
    for (int k = 0; k < SlotCount; ++k) {
        connect(stepSelectors[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                m_handler->stepSelected(k);
        });
        connect(stepFormulaBoxes[k], &PictureBox::clicked, this,
                [this, k] { m_handler->stepFormulaClicked(k); });
        connect(txtDati[k], &QLineEdit::textChanged, this,
                [this, k](const QString &text) { m_handler->datumChanged(k, text); });
        connect(txtDati[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->datumEntered(k); });
        connect(txtRisultato[k], &QLineEdit::textChanged, this,
                [this, k](const QString &text) { m_handler->resultChanged(k, text); });
        connect(txtRisultato[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->resultEntered(k); });
        txtDati[k]->installEventFilter(this);
        txtRisultato[k]->installEventFilter(this);
    }
}

bool WorkWindow::event(QEvent *event)
{
    return takeDrop(event) || QWidget::event(event);
}

// Takes a drag that brings one file, and opens the file once it is dropped.
// The file is opened after the drop has ended, so that the program that
// dragged it does not wait on a message box of ours.
bool WorkWindow::takeDrop(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const QString path = draggedFile(drag->mimeData());
    if (path.isEmpty())
        return false;
    drag->acceptProposedAction();
    if (type == QEvent::Drop) {
        activateWindow();
        QMetaObject::invokeMethod(
            this, [this, path] { m_handler->openFile(path); }, Qt::QueuedConnection);
    }
    return true;
}

bool WorkWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (takeDrop(event))
        return true;
    if (event->type() != QEvent::MouseButtonRelease || !m_handler)
        return QWidget::eventFilter(watched, event);
    if (watched == txtTesto->viewport()) {
        m_handler->textClicked();
        return false;
    }
    for (int k = 0; k < SlotCount; ++k) {
        if (watched == txtDati[k]) {
            m_handler->datumClicked(k);
            return false;
        }
        if (watched == txtRisultato[k]) {
            m_handler->resultClicked(k);
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WorkWindow::setUpFor(WorkMode mode)
{
    // The start window set the busy pointer before building this window.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QDir::setCurrent(ProgramFolder::path());
    m_mode = mode;
    if (mode == WorkMode::Solving) {
        ModeSetup::setUpForSolving(*this);
        m_handler = m_handlers.solver ? m_handlers.solver(*this) : nullptr;
    } else {
        ModeSetup::setUpForEditing(*this);
        m_handler = m_handlers.editor ? m_handlers.editor(*this) : nullptr;
    }
    if (!m_handler)
        m_handler = std::make_unique<ModeHandler>();
}

void WorkWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    placeAtScreenCentre(this);
}

void WorkWindow::closeEvent(QCloseEvent *event)
{
    // Leaving asks nothing: the window is closed and deleted, and the start
    // window, which watches for that, comes back.
    event->accept();
}
