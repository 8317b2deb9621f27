#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Textliste.h"

class Plattform;
struct EingabeDaten;

// Splits the bytes of a text file into lines as the import reads them: a
// file that is well-formed UTF-8 and holds any byte above 127 is taken as
// UTF-8 (a leading byte order mark is dropped), any other file as
// Windows-1252. Lines end at a line feed; a carriage return before it is
// dropped, as reading in text mode does; a final line without a line feed
// counts. Bytes without any line feed end their lines at a lone CR instead. A line ends at a NUL byte, as it did for
// the C string reading.
Textliste TextdateiZerlegen(std::string_view bytes);

// Reads a text file and splits it with TextdateiZerlegen; returns false,
// with the message for the user in `fehler`, when the file cannot be opened
// or read.
bool TextdateiLesen(const std::string& pfad, Textliste& zeilen, std::string& fehler);

// Runs the import rules ("Datei einlesen") over the lines of a file:
// asks whether unclear lines are a title or an end line, stops at the first
// faulty line with its message, and hands every line it takes, rewritten, to
// `aufnehmen`. Sets bNeuRechnen = 1 once a value line has been taken.
void ZeilenImportieren(const Textliste& zeilen, Plattform& plattform,
                       const std::function<void(const std::string&)>& aufnehmen, int& bNeuRechnen);

// Imports the file at `pfad` into `daten` (its lines are replaced, its
// bNeuRechnen set as the dialog's import sets it), with the messages and
// questions of the dialog's import, starting with "<pfad> wird geöffnet".
// Returns false, after telling the user and leaving `daten` untouched, when
// the file cannot be opened.
bool DateiImportieren(const std::string& pfad, Plattform& plattform, EingabeDaten& daten);
