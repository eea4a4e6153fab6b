#pragma once

#include <QImage>
#include <QString>

// Reads a picture file (GIF or JPEG) for the screen or for paper, within
// bounds no real figure comes near: a file larger than MaxBytes is refused
// without being opened (finding the size of a picture can mean reading the
// whole file), and so is a picture of more than MaxPixels, before it is
// decoded (a small file may claim a picture of hundreds of megabytes). Only a
// regular file is read: a pipe or a device would block.
namespace PictureFile {

enum class Loading { Done, Missing, NotARegularFile, FileTooLarge, TooLarge, NotAPicture };

constexpr qint64 MaxBytes = 20 * 1024 * 1024;
constexpr qint64 MaxPixels = 4'000'000;

struct Read {
    QImage image; // null unless Done
    Loading loading;
};

Read read(const QString &path);

} // namespace PictureFile
