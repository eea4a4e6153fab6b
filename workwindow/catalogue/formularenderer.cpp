#include "formularenderer.h"
#include <QPainter>
namespace FormulaRenderer { QImage render(const FormulaCatalogue::Entry &entry, qreal dpr) {
 QImage img(QSize(entry.pictureWidth, entry.pictureHeight) * dpr, QImage::Format_ARGB32_Premultiplied); img.setDevicePixelRatio(dpr); img.fill(Qt::transparent);
 QPainter p(&img); p.drawText(QRect(0,0,entry.pictureWidth, entry.pictureHeight), Qt::AlignCenter, QString::fromUtf8(entry.formula)); return img; } }
