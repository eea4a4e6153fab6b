#include "aboutwindow.h"

#include "accessibility.h"
#include "colours.h"
#include "fonts.h"

#include "textbox.h"
#include "twips.h"

#include <QPushButton>

namespace {
const QLatin1String LineEnd("\r\n");
} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_aboutText(nullptr), m_okButton(nullptr)
{
    Accessibility::setRole(this, QAccessible::Dialog);
    m_aboutText = new TextBox(this);
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setAutoDefault(true);
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informazioni"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(6495), twipsToPixels(3600));

    m_aboutText->setObjectName(QStringLiteral("Text1"));
    m_aboutText->setGeometry(twipsRect(120, 60, 6255, 2535));
    m_aboutText->setFont(Fonts::comicSans(12));
    QPalette palette = m_aboutText->palette();
    palette.setColor(QPalette::Text, Colours::darkBlue);
    m_aboutText->setPalette(palette);
    m_aboutText->setText(QStringLiteral("Text1"));

    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(twipsRect(2580, 2820, 1395, 615));
    m_okButton->setFont(Fonts::comicSans(12));
    connect(m_okButton, &QPushButton::clicked, this, &AboutWindow::okClicked);

    setTabOrder(m_aboutText, m_okButton);
}

void AboutWindow::writeText()
{
    const QString lines[] = {
        QStringLiteral("Premi il tasto F1 se vuoi visualizzare la guida"),
        QString(47, QLatin1Char('-')),
        QStringLiteral("Buon lavoro da:"),
        QStringLiteral("Ventalbo"),
        QStringLiteral("http://www.example.org/ventalbo"),
        QStringLiteral("e-mail: ventalbo@example.org"),
    };
    m_aboutText->setText(lines[0] + LineEnd);
    for (int i = 1; i < 6; ++i)
        m_aboutText->setText(m_aboutText->text() + lines[i] + LineEnd);
}

void AboutWindow::okClicked()
{
    // Closing hides the window and, as it deletes itself on close, unloads it;
    // it also lets the program end if this was its last window.
    close();
}
