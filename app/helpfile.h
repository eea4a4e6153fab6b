#pragma once

#include <QString>

class HelpViewer;

// The program's help file. Once a file is registered, F1 pressed in any
// window of the program opens it, from its start, in the one help viewer
// window (a second F1 brings that window forward and back to the start).
// Registering does not look for the file; a missing file is reported inside
// the viewer when F1 is pressed.
class HelpFile {
public:
    // The program registers its folder, "\" and the file name. Also installs
    // the F1 key handling on the application, once.
    static void registerFile(const QString &path);
    static QString registeredFile();
    // The registered path as opened: a "\" between the folder and the file
    // name becomes "/", so the file is found on every platform.
    static QString fileToOpen();

    // Opens the viewer on the registered file, or brings it forward.
    static HelpViewer *showHelp();
    // The open viewer, or nullptr.
    static HelpViewer *viewer();
};
