#pragma once

#include <string>
#include <string_view>

#include "Textliste.h"

// Whether the input is a document (ends in .kdr, in any case).
bool EndetAufKdr(const std::string& pfad);

// Reads the input lines of a text file or a document. With `bisLeerzeile`
// the lines after the first blank line are not kept: no run reads past it,
// so only a run that looks for one measurement among all of them needs
// them. `behalten` receives the file's bytes, `studie` a document's study
// block (empty for a text file).
bool EingabeLesen(const std::string& pfad, bool bisLeerzeile, Textliste& zeilen, std::string& fehler,
                  std::string* behalten, Textliste* studie = nullptr);

// Saves every line of an input file that the run took unchanged, also those
// after its first blank line, which the run never held: they go straight
// from the input's bytes into the document, one at a time.
bool EingabeSpeichern(const std::string& pfad, std::string_view bytes, const std::string& ziel, std::string& grund);
