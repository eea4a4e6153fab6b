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
    QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace FormulaPictures
