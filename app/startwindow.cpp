#include "startwindow.h"

#include "aboutwindow.h"
#include "accessibility.h"
#include "colours.h"
#include "fonts.h"
#include "helpfile.h"
#include "messagebox.h"
#include "primaryscreenmetrics.h"
#include "programfolder.h"
#include "screencheck.h"
#include "twips.h"
#include "versiontext.h"
#include "windowplacement.h"
#include "windowsize.h"
#include "zenuvioresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace {
// The buttons and small labels are in regular Comic Sans MS, the two titles in
// bold italic Arial.
struct FontLook {
    bool arial;
    qreal pointSize;
};
const FontLook ButtonFont{false, 20.25};
const FontLook SmallFont{false, 8.25};
const FontLook TitleFont{true, 26.25};
const FontLook SubtitleFont{true, 12};

enum class Kind { Button, Label };

// One control of the start window, in tab order; positions in twips.
struct ControlRow {
    Kind kind;
    const char *name;
    const char *caption;
    int left, top, width, height;
    FontLook font;
    Qt::Alignment alignment;
};

// clang-format off
const ControlRow Controls[] = {
    {Kind::Button, "cmdRisoluzione", "Risoluzione", 2340, 1740, 3135, 615, ButtonFont, {}},
    {Kind::Button, "cmdEditor", "Editor", 2340, 2760, 3195, 615, ButtonFont, {}},
    {Kind::Button, "cmdEsci", "Esci", 5220, 3840, 1155, 555, ButtonFont, {}},
    {Kind::Label, "Label1", "Zenuvio di geometria piana", 300, 240, 7215, 675,
     TitleFont, Qt::AlignHCenter},
    {Kind::Label, "Label2", "( Perimetro - Area - Teorema di Pitagora )", 240, 960, 7335, 375,
     SubtitleFont, Qt::AlignHCenter},
    {Kind::Button, "cmdInfo", "Info", 1500, 3840, 1155, 555, ButtonFont, {}},
    {Kind::Label, "Label5", "ventalbo@example.org", 2820, 3840, 2355, 255, SmallFont, Qt::AlignLeft},
    {Kind::Label, "Label3", "Versione", 3300, 4140, 735, 255, SmallFont, Qt::AlignLeft},
    {Kind::Label, "Label4", "", 4020, 4140, 615, 255, SmallFont, Qt::AlignLeft},
};
// clang-format on

QFont fontOf(const FontLook &look)
{
    return look.arial ? Fonts::arial(look.pointSize, true, true) : Fonts::comicSans(look.pointSize);
}

const QString RefusalText = QStringLiteral(
    "Il programma funziona con una risoluzione minima dello schermo di 800 x 600 pixel. "
    "Modifica le impostazioni e rilancia il programma.");
} // namespace

StartWindow::StartWindow(WorkWindowFactory makeWorkWindow, ProblemOpener openProblem,
                         QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_makeWorkWindow(std::move(makeWorkWindow)), m_openProblem(std::move(openProblem)),
      m_sky(ZenuvioResources::skyPicturePath())
{
    Accessibility::setRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Start"));
    resize(twipsToPixels(7935), twipsToPixels(5445));
    buildControls();
}

void StartWindow::buildControls()
{
    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, Colours::darkBlue);

    QWidget *previous = nullptr;
    for (const ControlRow &row : Controls) {
        QWidget *control = nullptr;
        if (row.kind == Kind::Button) {
            auto *button = new QPushButton(QString::fromUtf8(row.caption), this);
            // Enter on the focused button presses it, as Space does.
            button->setAutoDefault(true);
            control = button;
        } else {
            auto *label = new QLabel(QString::fromUtf8(row.caption), this);
            label->setAlignment(row.alignment | Qt::AlignTop);
            label->setWordWrap(true);
            label->setPalette(labelPalette);
            control = label;
        }
        control->setObjectName(QLatin1String(row.name));
        control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        control->setFont(fontOf(row.font));
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }

    const struct {
        const char *name;
        void (StartWindow::*handler)();
    } clicks[] = {
        {"cmdRisoluzione", &StartWindow::openSolving},
        {"cmdEditor", &StartWindow::openEditor},
        {"cmdEsci", &StartWindow::quitProgram},
        {"cmdInfo", &StartWindow::showAbout},
    };
    for (const auto &click : clicks)
        connect(findChild<QPushButton *>(QLatin1String(click.name)), &QPushButton::clicked, this,
                click.handler);
}

void StartWindow::offerSizes(int current, std::function<void(int)> choose)
{
    m_size = current;
    m_chooseSize = std::move(choose);
    auto *sizes = new QComboBox(this);
    sizes->setObjectName(QStringLiteral("cmbDimensione"));
    sizes->setAccessibleName(QStringLiteral("Dimensione delle finestre"));
    sizes->setToolTip(QStringLiteral("Dimensione delle finestre (Ctrl++ e Ctrl+-)"));
    sizes->setGeometry(twipsRect(6600, 4950, 1200, 330));
    sizes->setFont(Fonts::comicSans(8.25));
    for (int percent : WindowSize::Percents)
        sizes->addItem(WindowSize::text(percent), percent);
    sizes->setCurrentIndex(sizes->findData(current));
    connect(sizes, &QComboBox::activated, this,
            [this, sizes](int index) { chooseSize(sizes->itemData(index).toInt()); });
    setTabOrder(findChild<QWidget *>(QStringLiteral("cmdEsci")), sizes);
    sizes->show();
    auto *larger = new QShortcut(this);
    larger->setKeys({QKeySequence(QKeySequence::ZoomIn), QKeySequence(QStringLiteral("Ctrl+="))});
    connect(larger, &QShortcut::activated, this,
            [this] { chooseSize(WindowSize::larger(m_size)); });
    auto *smaller = new QShortcut(QKeySequence::ZoomOut, this);
    connect(smaller, &QShortcut::activated, this,
            [this] { chooseSize(WindowSize::smaller(m_size)); });
}

void StartWindow::offerReadAloud(bool on, std::function<void(bool)> switchTo)
{
    auto *readAloud = new QCheckBox(QStringLiteral("&Leggi ad alta voce"), this);
    readAloud->setObjectName(QStringLiteral("chkLeggi"));
    readAloud->setGeometry(twipsRect(300, 4950, 2700, 330));
    readAloud->setFont(Fonts::comicSans(8.25));
    QPalette ink = readAloud->palette();
    ink.setColor(QPalette::WindowText, Colours::darkBlue);
    readAloud->setPalette(ink);
    readAloud->setChecked(on);
    connect(readAloud, &QCheckBox::toggled, this, std::move(switchTo));
    setTabOrder(findChild<QWidget *>(QStringLiteral("cmbDimensione")), readAloud);
    readAloud->show();
}

void StartWindow::offerName(const QString &name, std::function<void(const QString &)> changed)
{
    auto *label = new QLabel(QStringLiteral("&Nome"), this);
    label->setObjectName(QStringLiteral("lblNome"));
    label->setGeometry(twipsRect(3120, 4980, 630, 300));
    label->setFont(Fonts::comicSans(8.25));
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, Colours::darkBlue);
    label->setPalette(ink);
    auto *box = new QLineEdit(name, this);
    box->setObjectName(QStringLiteral("txtNome"));
    box->setAccessibleName(QStringLiteral("Nome"));
    box->setAccessibleDescription(
        QStringLiteral("Il nome con cui vengono registrati i problemi risolti; vuoto: nessuna "
                       "registrazione"));
    box->setToolTip(QStringLiteral("Il tuo nome: i problemi che risolvi vengono registrati"));
    box->setGeometry(twipsRect(3750, 4950, 2700, 330));
    box->setFont(Fonts::comicSans(8.25));
    box->setMaxLength(80);
    label->setBuddy(box);
    connect(box, &QLineEdit::textChanged, this, std::move(changed));
    setTabOrder(findChild<QWidget *>(QStringLiteral("chkLeggi")), box);
    label->show();
    box->show();
}

void StartWindow::offerClassResults(std::function<void()> open)
{
    auto *results = new QPushButton(QStringLiteral("&Risultati della classe"), this);
    results->setObjectName(QStringLiteral("cmdRisultati"));
    results->setGeometry(twipsRect(5700, 2880, 2085, 390));
    results->setFont(Fonts::comicSans(8.25));
    results->setAutoDefault(true);
    connect(results, &QPushButton::clicked, this, std::move(open));
    setTabOrder(findChild<QWidget *>(QStringLiteral("cmdEditor")), results);
    results->show();
}

void StartWindow::showStatus(const QString &text)
{
    auto *status = findChild<QLabel *>(QStringLiteral("lblStato"));
    if (!status) {
        status = new QLabel(this);
        status->setObjectName(QStringLiteral("lblStato"));
        status->setGeometry(twipsRect(300, 4440, 7335, 480));
        status->setFont(Fonts::comicSans(8.25));
        status->setWordWrap(true);
        status->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette ink = status->palette();
        ink.setColor(QPalette::WindowText, Colours::darkBlue);
        status->setPalette(ink);
        m_announcer = new Announcer(this);
    }
    status->setText(text);
    status->show();
    if (isVisible())
        m_announcer->announce(text);
}

void StartWindow::chooseSize(int percent)
{
    if (percent != m_size && m_chooseSize)
        m_chooseSize(percent);
}

bool StartWindow::startUp()
{
    findChild<QLabel *>(QStringLiteral("Label4"))->setText(programVersionText());
    HelpFile::registerFile(ProgramFolder::path() + QStringLiteral("\\Aiuto.HLP"));
    if (screenIsExactly(640, 480, activeScreenMetrics())) {
        MessageBox::show(MessageBox::Icon::Information, QStringLiteral("Avviso"), RefusalText);
        return false;
    }
    return true;
}

void StartWindow::openSolving()
{
    enterMode(WorkMode::Solving);
}

void StartWindow::openEditor()
{
    enterMode(WorkMode::Editor);
}

void StartWindow::openProblem(WorkMode mode, const QString &path)
{
    enterMode(mode);
    if (m_workWindow && !path.isEmpty() && m_openProblem)
        m_openProblem(m_workWindow, path);
}

void StartWindow::setEditorHidden(bool hidden)
{
    findChild<QPushButton *>(QStringLiteral("cmdEditor"))->setHidden(hidden);
}

void StartWindow::enterMode(WorkMode mode)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QWidget *workWindow = m_makeWorkWindow ? m_makeWorkWindow(mode) : nullptr;
    if (!workWindow) {
        QApplication::restoreOverrideCursor();
        return;
    }
    m_workWindow = workWindow;
    connect(workWindow, &QObject::destroyed, this, &StartWindow::workWindowGone);
    workWindow->show();
    hide();
}

void StartWindow::workWindowGone()
{
    if (!m_ending)
        show();
}

void StartWindow::showAbout()
{
    if (m_about && m_about->isVisible()) {
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    m_about = new AboutWindow;
    m_about->writeText();
    placeAtScreenCentre(m_about);
    m_about->show();
}

void StartWindow::quitProgram()
{
    m_ending = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            window->close();
    }
    QCoreApplication::quit();
}

void StartWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (m_sky.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, m_sky);
}

void StartWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        placeAtScreenCentre(this);
    }
    QWidget::showEvent(event);
}
