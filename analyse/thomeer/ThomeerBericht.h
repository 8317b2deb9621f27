#pragma once

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

// The Thomeer list: an empty line, the column header, an empty line, then
// one row per measurement in the order of the fits, then the lines of
// `hinweis` (the closure correction's note; none without a correction).
Textliste ThomeerListe(const std::vector<ThomeerErgebnis>& ergebnisse, const Textliste& hinweis = {});

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
