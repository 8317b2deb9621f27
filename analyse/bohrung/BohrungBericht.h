#pragma once

#include <string>

#include "Bohrungsauswertung.h"
#include "Datendiagramm.h"
#include "LasLesen.h"
#include "Textliste.h"

// The list "Bohrung" and the depth track of an evaluated log.
namespace bohrung {

// What "Ergebnisse ausgeben" says after writing the list to aus.txt.
inline constexpr const char* kBohrungAusgegeben = "Die Bohrung wurde in die Datei aus.txt geschrieben!";

// The list: the file, the curves used, the FWL and the model, then per
// depth row depth, h, φ, k and Sw ("-" where a value does not exist), the
// summary above the FWL and the rows without Sw with their reasons.
Textliste BohrungListe(const Bohrung& b, const Auswertung& a);

// The chart in the style of a log track: depth downwards on the y axis,
// Sw and φ (0 … 1) on the x axis with legend, the FWL as a horizontal line
// with its label. A long log is thinned to what the chart can show: per
// 1/2000 of the depth range the first, the smallest, the largest and the
// last value of each series.
Datendiagramm BohrungDiagramm(const Bohrung& b, const Auswertung& a);

// The depth unit for column names and axis texts: "m" or "ft".
std::string Einheitkurz(const Kopf& kopf);

}  // namespace bohrung
