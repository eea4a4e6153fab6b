#pragma once

#include <QString>

// The program's settings file, read once at start. It is QSettings' file for
// the organisation and application "Zenuvio": ~/.config/Zenuvio/Zenuvio.conf
// for one user, or /etc/xdg/Zenuvio/Zenuvio.conf for every user of a machine
// (the user's own file wins where both say something). Its only line so far:
//
//     [classroom]
//     hideEditor=true
//
// for a pupil's machine, whose start window then offers no "Editor"; and
//
//     [solving]
//     explanations=false
//
// for a class test, with no explanation beside the verdicts;
//
//     [solving]
//     equivalentForms=true
//
// for judging by value: an answer with the right value and unit written in
// another form ("15,0 cm", "60 cmq") is right; and
//
//     [results]
//     folder=/srv/scuola/Risultati
//
// the folder the pupils' attempts are kept in (by default Zenuvio/Risultati
// in the user's documents folder). (The other
// settings, the window size, read-aloud and easy reading, belong to the
// parts that use them.)
namespace ProgramSettings {

bool hidesEditor();
bool explains();
QString resultsFolder();
bool judgesByValue();

} // namespace ProgramSettings
