#include "form2.h"

#include "colours.h"
#include "fonts.h"
#include "form2layout.h"
#include "formulapanel.h"
#include "modesetup.h"
#include "module1.h"
#include "programfolder.h"
#include "windowplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

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

// A centred label on the button-face colour: the purple headings and the red
// hint labels.
QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &place,
              const QFont &font, const QColor &ink)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setColours(label, QPalette::Window, parent->palette().color(QPalette::Button),
               QPalette::WindowText, ink);
    return label;
}

QLabel *heading(QWidget *parent, const char *name, const QString &caption, const QRect &place)
{
    return label(parent, name, caption, place, arial(9.75, true, false), purple);
}

QLabel *hintLabel(QWidget *parent, const char *name, const QString &caption, const QRect &place)
{
    return label(parent, name, caption, place, arial(24, true, true), red);
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &place)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    b->setFont(arial(12, true, true));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *lineBox(QWidget *parent, const QString &name, const QRect &place)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(arial(9.75, true, false));
    setColours(box, QPalette::Base, lightGrey, QPalette::Text, QColor());
    return box;
}

} // namespace

Form2::Form2(ModeHandlers handlers, QWidget *parent)
    : QWidget(parent), CommonDialog1(this), CommonDialog2(this), m_handlers(std::move(handlers))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zenuvio"));
    setWindowIcon(QApplication::windowIcon());
    resize(Form2Layout::clientSize);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, lightGrey, QPalette::WindowText, QColor());
    m_handler = std::make_unique<ModeHandler>();
    createControls();
    setTabOrder();
    connectEvents();
}

Form2::~Form2() = default;

Form2 *Form2::load(const ModeHandlers &handlers)
{
    auto *form = new Form2(handlers);
    form->Form_Load();
    return form;
}

PictureBox *Form2::picFormula(int number) const
{
    return SSTab1->picFormula(number);
}

void Form2::createControls()
{
    namespace L = Form2Layout;

    txtTesto = new QPlainTextEdit(this);
    txtTesto->setObjectName(QStringLiteral("txtTesto"));
    txtTesto->setGeometry(L::txtTesto);
    txtTesto->setFont(arial(12, true, true));
    txtTesto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTesto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTesto->setTabChangesFocus(true);
    txtTesto->setAccessibleName(QStringLiteral("Testo del problema"));
    setColours(txtTesto, QPalette::Base, lightGrey, QPalette::Text, darkBlue);

    Label5 = heading(this, "Label5", QStringLiteral("Figura"), L::Label5);

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(L::Picture1);
    Picture1->setAccessibleName(QStringLiteral("Figura"));

    Label2 = heading(this, "Label2", QStringLiteral("Dati"), L::Label2);
    Label3 = heading(this, "Label3", QStringLiteral("Formule"), L::Label3);
    Label4 = heading(this, "Label4", QStringLiteral("Risultati"), L::Label4);

    cmdNuovo = button(this, "cmdNuovo", QStringLiteral("Nuovo"), L::cmdNuovo);
    cmdApri_Editor = button(this, "cmdApri_Editor", QStringLiteral("Apri"), L::cmdApri_Editor);
    cmdSalva = button(this, "cmdSalva", QStringLiteral("Salva"), L::cmdSalva);
    cmdEsci_Editor = button(this, "cmdEsci_Editor", QStringLiteral("Esci"), L::cmdEsci_Editor);
    lblAvviso_Editor =
        hintLabel(this, "lblAvviso_Editor", QStringLiteral("Editor"), L::lblAvviso_Editor);
    lblAvviso_Risoluzione =
        hintLabel(this, "lblAvviso_Risoluzione", QStringLiteral("Ciao"), L::lblAvviso_Risoluzione);
    lblAvviso_Risoluzione->setWordWrap(true);
    cmdApri_Risoluzione =
        button(this, "cmdApri_Risoluzione", QStringLiteral("Apri"), L::cmdApri_Risoluzione);
    cmdEsci_Risoluzione =
        button(this, "cmdEsci_Risoluzione", QStringLiteral("Esci"), L::cmdEsci_Risoluzione);

    for (int k = 0; k < SlotCount; ++k) {
        const QString row = QString::number(k + 1);
        Option1[k] = new QRadioButton(this);
        Option1[k]->setObjectName(indexed("Option1", k));
        Option1[k]->setGeometry(L::Option1(k));
        Option1[k]->setAccessibleName(QStringLiteral("Passaggio ") + row);

        picFormRis[k] = new PictureBox(this);
        picFormRis[k]->setObjectName(indexed("picFormRis", k));
        picFormRis[k]->setGeometry(L::picFormRis(k));
        picFormRis[k]->setBackColor(lightGrey);
        picFormRis[k]->setFont(arial(9.75, true, true));
        picFormRis[k]->setAccessibleName(QStringLiteral("Formula del passaggio ") + row);

        Label1[k] = new QLabel(QStringLiteral("="), this);
        Label1[k]->setObjectName(indexed("Label1", k));
        Label1[k]->setGeometry(L::Label1(k));
        Label1[k]->setFont(arial(9.75, true, false));
        Label1[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label1[k]->setAutoFillBackground(true);
        setColours(Label1[k], QPalette::Window, lightGrey, QPalette::WindowText, QColor());

        txtRisultato[k] = lineBox(this, indexed("txtRisultato", k), L::txtRisultato(k));
        txtRisultato[k]->setAccessibleName(QStringLiteral("Risultato del passaggio ") + row);
        txtDati[k] = lineBox(this, indexed("txtDati", k), L::txtDati(k));
        txtDati[k]->setAccessibleName(QStringLiteral("Dato ") + row);
    }

    SSTab1 = new FormulaPanel(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(L::SSTab1);
}

void Form2::setTextBorderStyle(int style)
{
    txtTesto->setFrameShape(style == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
}

// The keyboard focus order of the window, by the tab index each control was
// given when the window was drawn.
void Form2::setTabOrder()
{
    std::vector<std::pair<int, QWidget *>> order = {
        {0, cmdNuovo},  {1, cmdApri_Editor},        {22, SSTab1},
        {24, Picture1}, {25, cmdEsci_Editor},       {26, cmdSalva},
        {27, txtTesto}, {181, cmdApri_Risoluzione}, {183, cmdEsci_Risoluzione},
    };
    for (int k = 0; k < 5; ++k) {
        order.push_back({2 + k, txtDati[k]});
        order.push_back({7 + 2 * k, Option1[k]});
        order.push_back({8 + 2 * k, txtRisultato[k]});
        order.push_back({21 - k, picFormRis[k]});
    }
    const std::pair<int, QWidget *> laterRows[] = {
        {33, txtDati[5]},      {34, picFormRis[5]},   {37, Option1[5]},    {41, txtRisultato[5]},
        {42, txtDati[6]},      {43, txtDati[7]},      {46, picFormRis[6]}, {47, picFormRis[7]},
        {48, txtRisultato[6]}, {49, txtRisultato[7]}, {52, Option1[6]},    {53, Option1[7]},
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

void Form2::connectEvents()
{
    connect(cmdNuovo, &QPushButton::clicked, this, [this] { m_handler->cmdNuovo_Click(); });
    connect(cmdApri_Editor, &QPushButton::clicked, this,
            [this] { m_handler->cmdApri_Editor_Click(); });
    connect(cmdSalva, &QPushButton::clicked, this, [this] { m_handler->cmdSalva_Click(); });
    connect(cmdEsci_Editor, &QPushButton::clicked, this, &Form2::cmdEsci_Editor_Click);
    connect(cmdApri_Risoluzione, &QPushButton::clicked, this,
            [this] { m_handler->cmdApri_Risoluzione_Click(); });
    connect(cmdEsci_Risoluzione, &QPushButton::clicked, this, &Form2::cmdEsci_Risoluzione_Click);
    connect(Picture1, &PictureBox::clicked, this, [this] { m_handler->Picture1_Click(); });
    connect(SSTab1, &FormulaPanel::formulaClicked, this,
            [this](int number) { m_handler->picFormula_Click(number); });
    txtTesto->viewport()->installEventFilter(this);
    for (int k = 0; k < SlotCount; ++k) {
        connect(picFormRis[k], &PictureBox::clicked, this,
                [this, k] { m_handler->picFormRis_Click(k); });
        connect(txtDati[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->txtDati_KeyPress(k, 13); });
        connect(txtRisultato[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->txtRisultato_KeyPress(k, 13); });
        txtDati[k]->installEventFilter(this);
        txtRisultato[k]->installEventFilter(this);
    }
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease || !m_handler)
        return QWidget::eventFilter(watched, event);
    if (watched == txtTesto->viewport()) {
        m_handler->txtTesto_Click();
        return false;
    }
    for (int k = 0; k < SlotCount; ++k) {
        if (watched == txtDati[k]) {
            m_handler->txtDati_Click(k);
            return false;
        }
        if (watched == txtRisultato[k]) {
            m_handler->txtRisultato_Click(k);
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::Form_Load()
{
    // The start window set the busy pointer before building this window.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QDir::setCurrent(ProgramFolder::path());
    Module1::Contatore = 0;
    m_solving = Module1::ModoRisoluzione == 1;
    if (m_solving) {
        ModeSetup::setUpForSolving(*this);
        m_handler = m_handlers.solver ? m_handlers.solver(*this) : nullptr;
    } else {
        ModeSetup::setUpForEditing(*this);
        m_handler = m_handlers.editor ? m_handlers.editor(*this) : nullptr;
    }
    if (!m_handler)
        m_handler = std::make_unique<ModeHandler>();
}

void Form2::cmdEsci_Editor_Click()
{
    close();
}

void Form2::cmdEsci_Risoluzione_Click()
{
    close();
}

void Form2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    placeAtScreenCentre(this);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // Leaving asks nothing: the window is closed and deleted, and the start
    // window, which watches for that, comes back.
    event->accept();
}
