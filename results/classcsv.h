#pragma once

#include <QByteArray>
#include <QString>

class ClassTable;

// The class table as a CSV file for a spreadsheet set to Italian: UTF-8 with
// a byte-order mark (so that accents come out right), fields separated by
// semicolons, decimal comma, CR LF line ends, and a row per pupil and
// problem tried:
//
//   Alunno;Problema;Tentativi;Finito;Dati;Dati sbagliati;Passaggi;
//   Formule sbagliate;Risultati sbagliati;Minuti;Inizio;Fine
//
// A field holding a semicolon, a double quote or a line end is put in double
// quotes, with its own quotes doubled.
namespace ClassCsv {

QByteArray bytes(const ClassTable &table);

// Writes the file whole or not at all: an empty text, or an Italian message
// naming the file and saying why not.
QString write(const QString &path, const ClassTable &table);

} // namespace ClassCsv
