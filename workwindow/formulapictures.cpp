#include "formulapictures.h"

#include "formulacatalogue.h"
#include "formularenderer.h"

#include <QHash>

namespace FormulaPictures {

QPixmap picture(int number, qreal devicePixelRatio)
{
    static QHash<QPair<int, qreal>, QPixmap> cache;
    const auto key = qMakePair(number, devicePixelRatio);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const QImage image = FormulaRenderer::render(FormulaCatalogue::entry(number), devicePixelRatio);
    // The pictures keep a blank margin for a frame drawn over their edge. A box
    // draws its picture inside its frame, so all but one pixel of the top and
    // left margins go: the widest formulas then still end inside the frame.
    const int cut = qRound((FormulaRenderer::Margin - 1) * devicePixelRatio);
    QImage inside = image.copy(cut, cut, image.width() - cut, image.height() - cut);
    inside.setDevicePixelRatio(devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(inside);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace FormulaPictures
