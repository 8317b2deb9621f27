#pragma once

#include <optional>

#include "Lagerstaettenbedingungen.h"
#include "Textliste.h"

// What a study keeps of the conditions with its document: the six
// conditions and the closure pressure for all measurements.
struct Studienbedingungen {
  Lagerstaettenbedingungen bedingungen;
  std::optional<double> schliessdruck;  // bar, for the measurements without one of their own

  bool operator==(const Studienbedingungen&) const = default;
};

namespace lagerstaette {

// The keys of the study block (core/Archiv.h), one line "Schlüssel=Wert" each,
// the values as the shortest decimal text with "." that reads back to the
// same double, whatever the locale:
//   Lagerstaettenbedingungen.SigmaLabor=480      (mN/m)
//   Lagerstaettenbedingungen.ThetaLabor=140      (degree)
//   Lagerstaettenbedingungen.SigmaLagerstaette=30
//   Lagerstaettenbedingungen.ThetaLagerstaette=30
//   Lagerstaettenbedingungen.RhoWasser=1.05      (g/cm³)
//   Lagerstaettenbedingungen.RhoKW=0.8
//   Lagerstaettenbedingungen.Schliessdruck=0.35  (bar; no line for none)
inline constexpr const char* kStudienpraefix = "Lagerstaettenbedingungen.";

// The study's conditions; none when it carries none, lacks one of the six,
// or holds a value that is no number or outside its range (then the user's
// usual conditions apply, as for conditions in the settings).
std::optional<Studienbedingungen> StudieLesen(const Textliste& studie);

// Writes the conditions into the study's lines: a line of one of the keys is
// replaced where it stands, a missing one appended, the closure pressure's
// line removed when there is none; every other line stays as it is.
void StudieSchreiben(Textliste& studie, const Studienbedingungen& s);

}  // namespace lagerstaette
