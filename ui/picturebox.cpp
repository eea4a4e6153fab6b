#include "picturebox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_backColor(palette().color(QPalette::Button))
{
    setFocusPolicy(Qt::StrongFocus);
}

PictureBox::Loading PictureBox::load(const QString &path)
{
    clearPicture();
    const PictureFile::Read read = PictureFile::read(path);
    if (read.loading == Loading::Done)
        setPicture(QPixmap::fromImage(read.image));
    return read.loading;
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QPixmap();
    update();
}

void PictureBox::copyPictureFrom(const PictureBox &other)
{
    setPicture(other.picture());
}

void PictureBox::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    update();
}

void PictureBox::setAppearance(Appearance appearance)
{
    m_appearance = appearance;
    update();
}

void PictureBox::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

int PictureBox::borderWidth() const
{
    if (m_borderStyle == BorderStyle::None)
        return 0;
    return m_appearance == Appearance::ThreeD ? 2 : 1;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    // Switched off, the box turns a light grey, lighter for a lighter colour:
    // its colour goes, its black lettering keeps its contrast.
    const QColor back =
        isEnabled() ? m_backColor : QColor::fromHsl(0, 0, 128 + m_backColor.lightness() / 2);
    painter.fillRect(all, back);

    const int border = borderWidth();
    const QRect inside = all.adjusted(border, border, -border, -border);
    if (!m_picture.isNull()) {
        painter.save();
        painter.setClipRect(inside);
        // At a larger size a picture of ordinary pixels is scaled smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(inside.topLeft(), m_picture);
        painter.restore();
    }

    drawBorder(painter);
    // The focus: a frame two pixels wide in the highlight colour, inside the
    // border, plain to see on every box colour.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(inside).adjusted(1, 1, -1, -1));
    }
}

void PictureBox::drawBorder(QPainter &painter)
{
    const QRect all = rect();
    if (m_borderStyle == BorderStyle::None)
        return;
    if (m_appearance == Appearance::Flat) {
        painter.setPen(Qt::black);
        painter.drawRect(all.adjusted(0, 0, -1, -1));
        return;
    }
    // Sunken 3-D frame: dark lines at the top and left, light ones at the
    // bottom and right, two pixels deep.
    const QPalette &pal = palette();
    const int r = all.right();
    const int b = all.bottom();
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(0, 0, r - 1, 0);
    painter.drawLine(0, 0, 0, b - 1);
    painter.setPen(QColor(Qt::black));
    painter.drawLine(1, 1, r - 2, 1);
    painter.drawLine(1, 1, 1, b - 2);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(0, b, r, b);
    painter.drawLine(r, 0, r, b);
    painter.setPen(pal.color(QPalette::Midlight));
    painter.drawLine(1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, 1, r - 1, b - 1);
}

void PictureBox::click()
{
    emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            emit clicked();
            emit keyActivated();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
