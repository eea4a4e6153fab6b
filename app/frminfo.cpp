#include "frminfo.h"

#include "colours.h"
#include "fonts.h"

#include "textbox.h"
#include "twips.h"

#include <QPushButton>

namespace {
const QLatin1String LineEnd("\r\n");
} // namespace

frmInfo::frmInfo(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_text1(new TextBox(this)), m_cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informazioni"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(6495), twipsToPixels(3600));

    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(120, 60, 6255, 2535));
    m_text1->setFont(Fonts::comicSans(12));
    QPalette palette = m_text1->palette();
    palette.setColor(QPalette::Text, Colours::darkBlue);
    m_text1->setPalette(palette);
    m_text1->setText(QStringLiteral("Text1"));

    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(2580, 2820, 1395, 615));
    m_cmdOK->setFont(Fonts::comicSans(12));
    connect(m_cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);

    setTabOrder(m_text1, m_cmdOK);
}

void frmInfo::Form_Load()
{
    const QString lines[] = {
        QStringLiteral("Premi il tasto F1 se vuoi visualizzare la guida"),
        QString(47, QLatin1Char('-')),
        QStringLiteral("Buon lavoro da:"),
        QStringLiteral("Ventalbo"),
        QStringLiteral("http://www.example.org/ventalbo"),
        QStringLiteral("e-mail: ventalbo@example.org"),
    };
    m_text1->setText(lines[0] + LineEnd);
    for (int i = 1; i < 6; ++i)
        m_text1->setText(m_text1->text() + lines[i] + LineEnd);
}

void frmInfo::cmdOK_Click()
{
    // Closing hides the window and, as it deletes itself on close, unloads it;
    // it also lets the program end if this was its last window.
    close();
}
