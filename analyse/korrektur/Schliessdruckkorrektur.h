#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CsvSchreiber.h"
#include "Messkurve.h"
#include "Textliste.h"

// The closure (conformance) correction: at low pressure mercury first fills
// the roughness of the plug's surface, not its pores. Above a closure
// pressure Pk the Hg saturation S(Pk), interpolated linearly in log10(Pc), is
// taken off every saturation; the points at or below Pk are dropped, and
// (Pk, 0) becomes the first point. The analyses beside the evaluation
// (Thomeer, pore radii, petrophysics, J) work on the corrected curves; the
// evaluation itself never sees them.

// How one curve was corrected.
struct Kurvenkorrektur {
  bool korrigiert = false;     // a closure pressure applied
  bool ausKopfzeile = false;   // the measurement's own, from its header line
  double Schliessdruck = 0.0;  // bar, as the curve's floats hold it
  double Abzug = 0.0;          // Hg saturation at the closure pressure
  int Weggelassen = 0;         // points at or below the closure pressure
};

// The curves of a run as the analyses use them, in input order, with how
// each was corrected.
struct KorrigierteKurven {
  std::vector<Messkurve> kurven;
  std::vector<Kurvenkorrektur> korrektur;

  // Whether any curve was corrected.
  bool Korrigiert() const;
};

namespace korrektur {

// The Hg saturation of a curve at pressure pk: interpolated linearly in
// log10(Pc) between the point with the highest pressure at or below pk and
// the one with the lowest above it; 0 without a point at or below pk, the
// saturation of that point without one above it (or when its pressure is not
// above 0, where log10 has no value).
double SaettigungBei(const Messkurve& m, double pk);

// The curve corrected at closure pressure pk (bar, above 0), with how.
// Saturations are taken off in double precision and kept as floats, like
// the measured ones; a saturation that would fall below 0 (only in a curve
// whose saturations fall) becomes 0. The entry pressure becomes the last
// pressure of the corrected curve's leading points with saturation 0.
Messkurve Korrigieren(const Messkurve& m, double pk, Kurvenkorrektur& wie);

// Every curve, each at its own closure pressure (from its header line) or
// else at the one for all measurements; a curve without either stays as it is.
KorrigierteKurven Korrigieren(const std::vector<Messkurve>& kurven, const std::optional<double>& fuerAlle);

// The closure pressure for all measurements as a user types it ("." or ","
// as decimal separator, blanks around it): empty means none. False with the
// message when it is not a number above 0 that a float holds.
bool SchliessdruckLesen(std::string_view text, std::optional<double>& wert, std::string& fehler);
// The field's text of a value: empty for none, else the shortest text that
// reads back to the same number.
std::string SchliessdruckText(const std::optional<double>& wert);

// The field's name, as the messages name it.
inline constexpr const char* kSchliessdruckFeld = "Schließdruck für alle Messungen";

// "0.35 bar (Kopfzeile), S(Hg) um 0.02134 vermindert, 2 Punkte weggelassen".
std::string Beschreibung(const Kurvenkorrektur& k);

// The note the lists close with: a blank line, what the correction did, and
// one line per corrected curve; no lines when no curve was corrected.
Textliste Hinweis(const KorrigierteKurven& k);
// Its parts: the first lines, and the line of one corrected curve.
Textliste HinweisAnfang();
std::string Hinweiszeile(const std::string& kern, const Kurvenkorrektur& k);

// The table "Schließdruckkorrektur" (Kern, closure pressure, where it came
// from, saturation taken off, points dropped) of the corrected curves; none
// when no curve was corrected.
std::vector<csv::Tabelle> Tabellen(const KorrigierteKurven& k);

}  // namespace korrektur
