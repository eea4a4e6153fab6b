#pragma once

#include <QString>

// A text turned into what a person says when reading it aloud in Italian, for
// the speech engine, which would otherwise spell "cm" as "ci emme" and read
// "²" as "due".
//
// Numbers become words: "56,25" is "cinquantasei virgola venticinque",
// "1.000" and "1000" are "mille", "7,05" is "sette virgola zero cinque" (the
// zeros after the comma are said one by one, then the rest as a number; more
// than three digits after the zeros are said one by one). A unit of length or
// area right after a number is said in full: "12 cm" is "dodici centimetri",
// "cm²", "cmq", "cm2" and "cm^2" are all "centimetri quadrati", and "1 cm" is
// "un centimetro"; "1" before a noun of the program's own texts is "un" or
// "una" ("1 dato", "1 formula"). A square sign anywhere else is "al
// quadrato" ("AB²"). All the rest stays as written, including a number glued
// to letters ("2p", "l1", "AB2"), which names something rather than counts it.
namespace ItalianReading {

QString spoken(const QString &text);

} // namespace ItalianReading
