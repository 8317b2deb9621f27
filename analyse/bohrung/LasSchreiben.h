#pragma once

#include <string>
#include <string_view>

#include "Bohrungsauswertung.h"
#include "LasLesen.h"

// Writes a log back as LAS 2.0 with the evaluation added: every line of the
// input as it was, the curves SW (V/V) and HAFWL (height above the FWL, in
// the depth unit) at the end of ~C, and their two values at the end of
// every data row of ~A (the NULL value of ~W where there is none). The
// input is read a second time, row by row, and must be the one the log was
// read from (same size and checksum); otherwise nothing is written.
namespace bohrung {

// The mnemonics of the two added curves: SW and HAFWL, or SW_2, SW_3, …
// where the log already has a curve of that name.
struct Ausgabekurven {
  std::string sw;
  std::string hafwl;
};
Ausgabekurven AusgabekurvenNamen(const Kopf& kopf);

// From the bytes the log was read from into `aus`; false with the reason.
bool LasSchreiben(std::string_view eingabe, const Bohrung& b, const Auswertung& a, std::string& aus,
                  std::string& fehler);

// From the file the log was read from (`b.pfad`) into the file `pfad`,
// through the program's one safe-save routine (never half-written, never
// through a link; the old file stays when anything fails). `pfad` may be
// the input file itself.
bool LasSpeichern(const std::string& pfad, const Bohrung& b, const Auswertung& a, std::string& fehler);

}  // namespace bohrung
