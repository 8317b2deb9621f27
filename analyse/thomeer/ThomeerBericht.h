#pragma once

#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Messkurve.h"
#include "Schliessdruckkorrektur.h"
#include "Textliste.h"
#include "Thomeer.h"

// Column header of the Thomeer list; the rows below it line up with it.
inline constexpr const char* kThomeerKopf =
    " PERMEABILITÄT    Pd1/bar     G1    Sinf1    Pd2/bar     G2    Sinf2   FEHLER      R2  KERN";

// The message after "Ergebnisse ausgeben" wrote the Thomeer list.
inline constexpr const char* kThomeerAusgegeben = "Die Thomeer-Parameter wurden in die Datei aus.txt geschrieben!";

// Lines of the Thomeer list before the first row.
inline constexpr int kThomeerKopfzeilen = 3;

// The marks of a fit whose figures say less than they seem to.
inline constexpr const char* kThomeerWenigePunkte = "wenige Punkte";
inline constexpr const char* kThomeerSinfUeber1 = "Sinf über 1";

// The marks of one fit, joined by ", ": "wenige Punkte" when no more of
// the curve's points lie above its first entry pressure than the fit has
// parameters plus one (its R² then says nothing), "Sinf über 1" when its
// systems together hold more mercury than the pore volume. Empty for a fit
// without either and for a measurement not fitted.
std::string ThomeerHinweis(const Messkurve& kurve, const ThomeerErgebnis& ergebnis);
// The marks of every fit, `ergebnisse` being the fits of `kurven` in order.
std::vector<std::string> ThomeerHinweise(const std::vector<Messkurve>& kurven,
                                         const std::vector<ThomeerErgebnis>& ergebnisse);

// The Thomeer list: an empty line, the column header, an empty line, then
// one row per measurement in the order of the fits; a row with marks
// (`hinweise`, one per fit, or none) ends with them in brackets; then the
// lines of `hinweis` (the closure correction's note; none without a
// correction).
Textliste ThomeerListe(const std::vector<ThomeerErgebnis>& ergebnisse, const std::vector<std::string>& hinweise = {},
                       const Textliste& hinweis = {});

// Points of the fitted line in the chart, spaced evenly in log10 of the
// pressure from the first entry to the highest pressure.
inline constexpr int kThomeerLinienpunkte = 200;

// The Thomeer chart of one measurement: its points, the fitted curve and a
// mark at each entry pressure, pressure on a logarithmic axis. A corrected
// curve names its closure pressure in the subtitle.
Datendiagramm ThomeerDiagramm(const Messkurve& kurve, const ThomeerErgebnis& ergebnis,
                              const Kurvenkorrektur* korrektur = nullptr);

// The chart when the run kept no measurement.
Datendiagramm ThomeerDiagrammOhneMessung();
