#pragma once

#include <QString>

// Where attempt records are written and read: the line
//
//     [results]
//     folder=/mnt/laboratorio/Risultati
//
// of the settings file (a folder on the pupil's PC, a USB stick or the lab's
// shared folder), or, without it, Zenuvio/Risultati in the user's Documents.
namespace ResultsFolder {

QString defaultPath();
QString configured();

} // namespace ResultsFolder
