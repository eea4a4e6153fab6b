#include "workwindow.h"

#include "accessibility.h"
#include "colours.h"
#include "easyreadingswitch.h"
#include "editingscreen.h"
#include "fonts.h"
#include "formulacatalogue.h"
#include "formulapanel.h"
#include "modesetup.h"
#include "programfolder.h"
#include "readaloud.h"
#include "readaloudhooks.h"
#include "solvingscreen.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>
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

QLabel *redLabel(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption)
{
    return label(parent, place, caption, arial(24, true, true), red);
}

QPushButton *button(QWidget *parent, const WorkWindowLayout::Place &place, const QString &caption)
{
    auto *b = placed(new QPushButton(caption, parent), place);
    b->setFont(arial(12, true, true));
    // Enter on the focused button presses it, as Space does.
    b->setAutoDefault(true);
    return b;
}

QLineEdit *lineBox(QWidget *parent, const WorkWindowLayout::RowPlace &place, int k)
{
    auto *box = placed(new QLineEdit(parent), place, k);
    box->setFont(arial(9.75, true, false));
    setColours(box, QPalette::Base, lightGrey, QPalette::Text, QColor());
    return box;
}

// Ctrl+Y and Ctrl+Shift+Z, and whatever else the platform calls redo.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        if (!keys.contains(key))
            keys.append(key);
    return keys;
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
    : QWidget(parent), m_problemDialog(this), m_figureDialog(this), m_handlers(std::move(handlers))
{
    Accessibility::setRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zenuvio"));
    setWindowIcon(QApplication::windowIcon());
    resize(WorkWindowLayout::clientSize);
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, lightGrey, QPalette::WindowText, QColor());
    setAcceptDrops(true);
    m_handler = std::make_unique<ModeHandler>();
    for (FileDialog *dialog : {&m_problemDialog, &m_figureDialog}) {
        dialog->setProgramFolder(ProgramFolder::path());
        dialog->addShortcut(ProgramFolder::examples());
    }
    createControls();
    m_solvingScreen = std::make_unique<SolvingScreen>(*this, m_controls, m_problemDialog);
    m_editingScreen =
        std::make_unique<EditingScreen>(*this, m_controls, m_problemDialog, m_figureDialog);
    setTabOrder();
    connectEvents();
    // Once a dialog has closed, the window waits this long for its
    // activation, then settles it itself.
    m_activationFallback = new QTimer(this);
    m_activationFallback->setSingleShot(true);
    m_activationFallback->setInterval(ActivationWait);
    connect(m_activationFallback, &QTimer::timeout, this, &WorkWindow::settleActivation);
}

WorkWindow::~WorkWindow()
{
    delete m_readAloudHooks;
}

WorkWindow *WorkWindow::load(WorkMode mode, const ModeHandlers &handlers)
{
    auto *window = new WorkWindow(handlers);
    window->setUpFor(mode);
    return window;
}

SolvingView &WorkWindow::solvingView()
{
    return *m_solvingScreen;
}

EditorView &WorkWindow::editorView()
{
    return *m_editingScreen;
}

void WorkWindow::createControls()
{
    namespace L = WorkWindowLayout;

    m_controls.problemText = placed(new QTextEdit(this), L::problemText);
    // Plain text only, as the file holds it; a text document rather than a
    // plain one, so that easy reading can space the lines wider.
    m_controls.problemText->setAcceptRichText(false);
    m_controls.problemText->setFont(arial(12, true, true));
    // A long text scrolls, in both modes: none of it is ever out of reach.
    m_controls.problemText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_controls.problemText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_controls.problemText->setTabChangesFocus(true);
    m_controls.problemText->setAccessibleName(QStringLiteral("Testo del problema"));
    setColours(m_controls.problemText, QPalette::Base, lightGrey, QPalette::Text, darkBlue);

    m_controls.figureHeading = heading(this, L::figureHeading, QStringLiteral("Figura"));
    m_controls.figureBox = placed(new PictureBox(this), L::figureBox);
    m_controls.figureBox->setAccessibleName(QStringLiteral("Figura"));

    m_controls.dataHeading = heading(this, L::dataHeading, QStringLiteral("Dati"));
    m_controls.formulasHeading = heading(this, L::formulasHeading, QStringLiteral("Formule"));
    m_controls.resultsHeading = heading(this, L::resultsHeading, QStringLiteral("Risultati"));

    m_controls.newButton = button(this, L::newButton, QStringLiteral("Nuovo"));
    m_controls.editorOpenButton = button(this, L::editorOpenButton, QStringLiteral("Apri"));
    m_controls.saveButton = button(this, L::saveButton, QStringLiteral("Salva"));
    m_controls.editorExitButton = button(this, L::editorExitButton, QStringLiteral("Esci"));
    m_controls.editorLabel = redLabel(this, L::editorLabel, QStringLiteral("Editor"));
    m_controls.hintLabel = redLabel(this, L::hintLabel, QStringLiteral("Ciao"));
    m_controls.hintLabel->setWordWrap(true);
    m_controls.explanationLabel =
        label(this, L::explanationLabel, QString(), arial(9, true, false), darkBlue);
    m_controls.explanationLabel->setWordWrap(true);
    m_controls.solvingOpenButton = button(this, L::solvingOpenButton, QStringLiteral("Apri"));
    m_controls.solvingExitButton = button(this, L::solvingExitButton, QStringLiteral("Esci"));

    for (int k = 0; k < SlotCount; ++k) {
        const QString row = QString::number(k + 1);
        m_controls.stepSelectors[k] = placed(new QRadioButton(this), L::stepSelectors, k);
        m_controls.stepSelectors[k]->setAccessibleName(QStringLiteral("Passaggio ") + row);

        m_controls.stepFormulaBoxes[k] = placed(new PictureBox(this), L::stepFormulaBoxes, k);
        m_controls.stepFormulaBoxes[k]->setBackColor(lightGrey);
        m_controls.stepFormulaBoxes[k]->setFont(arial(9.75, true, true));
        m_controls.stepFormulaBoxes[k]->setAccessibleName(QStringLiteral("Formula del passaggio ") +
                                                          row);

        m_controls.equalsSigns[k] =
            placed(new QLabel(QStringLiteral("="), this), L::equalsSigns, k);
        m_controls.equalsSigns[k]->setFont(arial(9.75, true, false));
        m_controls.equalsSigns[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_controls.equalsSigns[k]->setAutoFillBackground(true);
        setColours(m_controls.equalsSigns[k], QPalette::Window, lightGrey, QPalette::WindowText,
                   QColor());

        m_controls.resultBoxes[k] = lineBox(this, L::resultBoxes, k);
        m_controls.resultBoxes[k]->setAccessibleName(QStringLiteral("Risultato del passaggio ") +
                                                     row);
        m_controls.dataBoxes[k] = lineBox(this, L::dataBoxes, k);
        m_controls.dataBoxes[k]->setAccessibleName(QStringLiteral("Dato ") + row);
    }

    m_controls.formulaPanel = placed(new FormulaPanel(this), L::formulaPanel);
    // Over the upper left: the text, the figure, the data and the first steps,
    // up to the formula panel, which stays in view.
    m_easyReading = new EasyReadingSwitch(*this, *m_controls.problemText, [this] {
        return QRect(m_controls.problemText->geometry().topLeft(),
                     QPoint(m_controls.formulaPanel->x() - 6,
                            m_controls.stepFormulaBoxes[4]->geometry().bottom()));
    });
    m_announcer = new Announcer(this);
    m_announcer->setObjectName(QStringLiteral("hintAnnouncer"));
    // The text in the reading panel is told to assistive technology and, with
    // reading aloud on, read aloud as F2 reads it.
    connect(m_easyReading, &EasyReadingSwitch::panelShown, this, [this](const QString &text) {
        m_announcer->announce(text);
        if (m_readAloud && m_readAloud->isOn())
            m_readAloud->readProblemText(text);
    });
}

void WorkWindow::showProblemFile(const QString &path)
{
    const QString mark = m_mode == WorkMode::Editor ? QStringLiteral("[*]") : QString();
    const QString program = QStringLiteral("Zenuvio");
    if (path.isEmpty())
        setWindowTitle(program + mark);
    else
        setWindowTitle(QFileInfo(path).fileName() + mark + QStringLiteral(" - ") + program);
}

// The keyboard focus order: the problem text, the figure, the data, the steps
// (each with its option button, formula box and result box), the formula
// panel's tab strip and the formulas of its current page in reading order,
// then the buttons of the mode.
void WorkWindow::setTabOrder()
{
    std::vector<QWidget *> order = {m_controls.problemText, m_controls.figureBox};
    order.insert(order.end(), m_controls.dataBoxes.begin(), m_controls.dataBoxes.end());
    for (int k = 0; k < SlotCount; ++k)
        order.insert(order.end(), {m_controls.stepSelectors[k], m_controls.stepFormulaBoxes[k],
                                   m_controls.resultBoxes[k]});
    order.push_back(m_controls.formulaPanel);
    std::vector<const FormulaCatalogue::Entry *> formulas;
    for (const FormulaCatalogue::Entry &entry : FormulaCatalogue::entries())
        formulas.push_back(&entry);
    std::sort(formulas.begin(), formulas.end(), [](const auto *a, const auto *b) {
        return std::tie(a->tab, a->row, a->column) < std::tie(b->tab, b->row, b->column);
    });
    for (const FormulaCatalogue::Entry *entry : formulas)
        order.push_back(m_controls.formulaPanel->formulaPicture(entry->number));
    order.insert(order.end(), {m_controls.newButton, m_controls.editorOpenButton,
                               m_controls.saveButton, m_controls.editorExitButton,
                               m_controls.solvingOpenButton, m_controls.solvingExitButton});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void WorkWindow::announce(const QString &hint, const QString &explanation)
{
    // Read aloud for the pupil who has switched it on: at once.
    if (m_readAloud)
        m_readAloud->hintShown(hint, explanation);
    // One text for the verdict and its explanation: a screen reader given two
    // at once would speak only the last. It speaks only for the active window:
    // a hint given while a dialog still covers this one is told once the
    // window is active again.
    tell(explanation.isEmpty() ? hint : hint + QLatin1Char(' ') + explanation);
}

void WorkWindow::tell(const QString &text)
{
    if (isActiveWindow() || !isVisible()) {
        m_pendingHint.clear();
        m_announcer->announce(text);
    } else {
        m_pendingHint = text;
    }
}

void WorkWindow::setReadAloud(ReadAloud *readAloud)
{
    if (m_readAloud)
        disconnect(m_readAloud, &ReadAloud::notice, this, nullptr);
    delete std::exchange(m_readAloudHooks, nullptr);
    m_readAloud = readAloud;
    if (!m_readAloud)
        return;
    connect(m_readAloud, &ReadAloud::notice, this, &WorkWindow::showNotice);
    QList<QWidget *> boxes = {m_controls.problemText};
    boxes.append(QList<QWidget *>(m_controls.dataBoxes.begin(), m_controls.dataBoxes.end()));
    boxes.append(QList<QWidget *>(m_controls.resultBoxes.begin(), m_controls.resultBoxes.end()));
    m_readAloudHooks = new ReadAloudHooks(*m_readAloud, *this, *m_controls.problemText, boxes);
}

void WorkWindow::showNotice(const QString &text)
{
    // The next verdict's explanation takes the line again.
    if (m_mode == WorkMode::Solving)
        m_controls.explanationLabel->setText(text);
    tell(text);
}

void WorkWindow::setSettings(Settings *settings)
{
    m_problemDialog.setSettings(settings);
    m_figureDialog.setSettings(settings);
    m_easyReading->setSettings(settings);
}

void WorkWindow::setEasyReading(bool on)
{
    m_easyReading->setOn(on);
}

bool WorkWindow::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        m_activationFallback->stop();
        if (!m_pendingHint.isEmpty())
            m_announcer->announce(std::exchange(m_pendingHint, QString()));
    } else if (event->type() == QEvent::WindowUnblocked && isVisible()) {
        // A dialog of ours has closed: ask for the keyboard again, as the
        // window manager may give it elsewhere.
        activateWindow();
        m_activationFallback->start();
    }
    return handled;
}

// A window manager may give this window the keyboard while a popup of the
// closing dialog (its name completion) still holds it; the toolkit then
// ignores the activation, and the window has the keyboard but no focused box
// and never tells assistive technology it is active. Here the window takes
// the activation it has, or else tells what it holds anyway.
void WorkWindow::settleActivation()
{
    if (isActiveWindow() || !isVisible())
        return;
    if (windowHandle() && QGuiApplication::focusWindow() == windowHandle() &&
        !QApplication::activePopupWidget())
        QApplication::setActiveWindow(this);
    if (isActiveWindow())
        return;
    QAccessible::State active;
    active.active = true;
    QAccessibleStateChangeEvent changed(this, active);
    QAccessible::updateAccessibility(&changed);
    if (!m_pendingHint.isEmpty())
        m_announcer->announce(std::exchange(m_pendingHint, QString()));
}

void WorkWindow::connectEvents()
{
    connect(m_controls.newButton, &QPushButton::clicked, this, [this] { m_handler->newClicked(); });
    connect(m_controls.editorOpenButton, &QPushButton::clicked, this,
            [this] { m_handler->openClicked(); });
    connect(m_controls.saveButton, &QPushButton::clicked, this,
            [this] { m_handler->saveClicked(); });
    connect(m_controls.editorExitButton, &QPushButton::clicked, this, &WorkWindow::close);
    connect(m_controls.solvingOpenButton, &QPushButton::clicked, this,
            [this] { m_handler->openClicked(); });
    connect(m_controls.solvingExitButton, &QPushButton::clicked, this, &WorkWindow::close);
    connect(m_controls.figureBox, &PictureBox::clicked, this,
            [this] { m_handler->figureClicked(); });
    connect(m_controls.formulaPanel, &FormulaPanel::formulaClicked, this,
            [this](int number) { m_handler->formulaClicked(number); });
    // From the keyboard: once the teacher has given a step its formula, the
    // step's result is next.
    connect(m_controls.formulaPanel, &FormulaPanel::formulaKeyActivated, this, [this] {
        for (int k = 0; k < SlotCount; ++k) {
            if (m_mode == WorkMode::Editor && m_controls.stepSelectors[k]->isChecked())
                m_controls.resultBoxes[k]->setFocus(Qt::TabFocusReason);
        }
    });
    connect(m_controls.problemText, &QTextEdit::textChanged, this, [this] {
        if (!m_easyReading->isSpacing())
            m_handler->textChanged();
    });
    // Undo and redo, wherever the focus is; a text box would keep Ctrl+Z for
    // its own undo, so the event filter takes the keys from the boxes first.
    auto *undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, [this] { m_handler->undoRequested(); });
    auto *redo = new QShortcut(this);
    redo->setKeys(redoKeys());
    connect(redo, &QShortcut::activated, this, [this] { m_handler->redoRequested(); });
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { m_handler->printRequested(); });
    auto *fill = new QShortcut(Qt::Key_F4, this);
    connect(fill, &QShortcut::activated, this, [this] { m_handler->fillRequested(); });
    auto *variant = new QShortcut(Qt::Key_F5, this);
    connect(variant, &QShortcut::activated, this, [this] { m_handler->variantRequested(); });
    m_controls.problemText->viewport()->installEventFilter(this);
    m_controls.problemText->installEventFilter(this);
    for (int k = 0; k < SlotCount; ++k) {
        connect(m_controls.stepSelectors[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                m_handler->stepSelected(k);
        });
        connect(m_controls.stepFormulaBoxes[k], &PictureBox::clicked, this,
                [this, k] { m_handler->stepFormulaClicked(k); });
        // From the keyboard, a step's formula box leads on to the formulas.
        connect(m_controls.stepFormulaBoxes[k], &PictureBox::keyActivated, this, [this] {
            if (m_controls.formulaPanel->isSwitchedOn())
                m_controls.formulaPanel->focusFirstOnPage();
        });
        connect(m_controls.dataBoxes[k], &QLineEdit::textChanged, this,
                [this, k](const QString &text) { m_handler->datumChanged(k, text); });
        connect(m_controls.dataBoxes[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->datumEntered(k); });
        connect(m_controls.resultBoxes[k], &QLineEdit::textChanged, this,
                [this, k](const QString &text) { m_handler->resultChanged(k, text); });
        connect(m_controls.resultBoxes[k], &QLineEdit::returnPressed, this,
                [this, k] { m_handler->resultEntered(k); });
        m_controls.dataBoxes[k]->installEventFilter(this);
        m_controls.resultBoxes[k]->installEventFilter(this);
    }
}

void WorkWindow::dragEnterEvent(QDragEnterEvent *event)
{
    takeDrop(event);
}

void WorkWindow::dragMoveEvent(QDragMoveEvent *event)
{
    takeDrop(event);
}

void WorkWindow::dropEvent(QDropEvent *event)
{
    takeDrop(event);
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
    // In the editor the boxes leave undo and redo to the editor's history, and
    // a box that loses the focus ends a burst of typing.
    if (m_mode == WorkMode::Editor && m_handler && watched != m_controls.problemText->viewport()) {
        if (event->type() == QEvent::FocusOut)
            m_handler->typingPaused();
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const QKeySequence pressed(key->keyCombination());
            const bool undo = key->matches(QKeySequence::Undo);
            const bool redo = !undo && redoKeys().contains(pressed);
            if (undo || redo) {
                if (event->type() == QEvent::KeyPress) {
                    if (undo)
                        m_handler->undoRequested();
                    else
                        m_handler->redoRequested();
                }
                event->accept();
                return true;
            }
        }
    }
    // Ctrl+2 types "²", the sign of square units, on every keyboard.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_2 && key->modifiers() == Qt::ControlModifier) {
            if (auto *box = qobject_cast<QLineEdit *>(watched))
                box->insert(QStringLiteral("²"));
            else if (watched == m_controls.problemText && !m_controls.problemText->isReadOnly())
                m_controls.problemText->insertPlainText(QStringLiteral("²"));
            return true;
        }
    }
    if (event->type() != QEvent::MouseButtonRelease || !m_handler)
        return QWidget::eventFilter(watched, event);
    if (watched == m_controls.problemText->viewport()) {
        m_handler->textClicked();
        return false;
    }
    for (int k = 0; k < SlotCount; ++k) {
        if (watched == m_controls.dataBoxes[k]) {
            m_handler->datumClicked(k);
            return false;
        }
        if (watched == m_controls.resultBoxes[k]) {
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
    showProblemFile(QString());
    if (mode == WorkMode::Solving) {
        ModeSetup::setUpForSolving(m_controls, palette());
        m_handler = m_handlers.solver ? m_handlers.solver(*this) : nullptr;
        m_controls.solvingOpenButton->setFocus(Qt::OtherFocusReason);
        auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
        connect(next, &QShortcut::activated, this, [this] { m_handler->nextRequested(); });
    } else {
        ModeSetup::setUpForEditing(m_controls);
        m_handler = m_handlers.editor ? m_handlers.editor(*this) : nullptr;
        m_controls.problemText->setFocus(Qt::OtherFocusReason);
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
    // The handler may keep the window open (the teacher's unsaved work);
    // otherwise it is closed and deleted, and the start window, which watches
    // for that, comes back.
    if (m_handler && !m_handler->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}
