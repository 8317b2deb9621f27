#pragma once

#include <vector>

#include "CsvSchreiber.h"
#include "Datendiagramm.h"
#include "Petrophysik.h"
#include "Textliste.h"

// What "Ergebnisse ausgeben" says after writing the list to aus.txt.
inline constexpr const char* kPetrophysikAusgegeben = "Die Petrophysik wurde in die Datei aus.txt geschrieben!";

// The three charts of the petrophysics, in the order of their choice.
enum class Petrophysikgrafik { PorositaetPermeabilitaet = 0, JFunktion = 1, ThomeerPermeabilitaet = 2 };
inline constexpr int kPetrophysikgrafiken = 3;
inline constexpr const char* kPetrophysikgrafikTitel[kPetrophysikgrafiken] = {"Porosität–Permeabilität", "J-Funktion",
                                                                              "Thomeer-Permeabilität"};

// The Winland lines of the porosity–permeability chart, µm.
inline constexpr double kWinlandLinien[4] = {0.1, 0.5, 2.0, 10.0};

namespace petrophysik {

// The list "Petrophysik": the formulas, the laboratory conditions, one row
// per measurement (Kern, k, φ, RQI, FZI, DRT, r35 Winland, r35 of the curve,
// pore class, Bv∞, Thomeer permeability, pore-throat mode; "-" where a value
// does not exist), then the notes: the closure correction, the measurements
// without porosity, the header words not taken and why, the measurements
// without a Thomeer fit.
Textliste Liste(const Petrophysik& p);

// Porosity (%) against permeability (mD, logarithmic), the points coloured
// by rock type DRT, with Winland's r35 lines; legend right of the frame.
Datendiagramm PorositaetPermeabilitaet(const Petrophysik& p);
// Leverett J (logarithmic) over Sw of every measurement with porosity, one
// line each, coloured by DRT.
Datendiagramm JFunktion(const Petrophysik& p);
// Thomeer permeability against measured permeability, both logarithmic over
// the same decades, with the 1:1 line; points coloured by DRT.
Datendiagramm ThomeerPermeabilitaetDiagramm(const Petrophysik& p);
Datendiagramm Diagramm(const Petrophysik& p, Petrophysikgrafik art);

// The table "Petrophysik" with the list's columns (empty cells where a value
// does not exist); none when no measurement carries a porosity.
std::vector<csv::Tabelle> Tabellen(const Petrophysik& p);

}  // namespace petrophysik
