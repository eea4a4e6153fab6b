#include "picturefile.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureFile {

Read read(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {{}, Loading::Missing};
    if (!file.isFile())
        return {{}, Loading::NotARegularFile};
    if (file.size() > MaxBytes)
        return {{}, Loading::FileTooLarge};
    QImageReader reader(path);
    // Megabytes a picture of MaxPixels takes, with room to spare.
    reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) * 2);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        return {{}, Loading::TooLarge};
    QImage image = reader.read();
    if (image.isNull())
        return {{}, Loading::NotAPicture};
    return {image, Loading::Done};
}

} // namespace PictureFile
