#pragma once

#include "picturefile.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A box that shows one picture unscaled from its top-left corner, clipped to
// the box, on its background colour (which shows through a GIF's transparent
// pixels). It can be emptied, take the keyboard focus, and take a copy of
// another box's picture; its border is none or a fixed single line, drawn flat
// or sunken in 3-D. It is clicked with the mouse, or, when it has the focus
// (shown by a frame in the highlight colour), with Space or Enter; to
// assistive technology it is a push button. While it is disabled (the formula
// panel switched off) its background loses its colour but its picture keeps
// its ink, so it stays legible.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    enum class BorderStyle { None = 0, FixedSingle = 1 };
    enum class Appearance { Flat = 0, ThreeD = 1 };

    explicit PictureBox(QWidget *parent = nullptr);

    // How loading a picture file went.
    using Loading = PictureFile::Loading;
    static constexpr qint64 MaxPixels = PictureFile::MaxPixels;

    // Loads a GIF or JPEG file through PictureFile::read(), within its
    // bounds. Anything but Done leaves the box empty.
    Loading load(const QString &path);
    bool loadPicture(const QString &path) { return load(path) == Loading::Done; }
    void setPicture(const QPixmap &picture);
    void clearPicture();
    void copyPictureFrom(const PictureBox &other);
    const QPixmap &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    void setBorderStyle(BorderStyle style);
    void setAppearance(Appearance appearance);
    void setBackColor(const QColor &colour);

    // Width of the frame on each side, in pixels.
    int borderWidth() const;

public slots:
    // As a click with the mouse.
    void click();

signals:
    void clicked();
    // The box was clicked with Space or Enter; comes right after clicked().
    void keyActivated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void drawBorder(QPainter &painter);

    QPixmap m_picture;
    QColor m_backColor;
    BorderStyle m_borderStyle = BorderStyle::FixedSingle;
    Appearance m_appearance = Appearance::ThreeD;
    bool m_pressed = false;
};
