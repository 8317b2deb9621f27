#pragma once

#include <vector>

#include "Bohrungsauswertung.h"
#include "CsvSchreiber.h"
#include "LasLesen.h"

// The evaluated log as plain tables for the CSV export: "Bohrung" (per
// depth row its line, depth, h, φ, k, Sw and why it has none) and
// "Bohrung: Zusammenfassung" (the file, the curves, the FWL, the model and
// the figures of the interval above the FWL).
std::vector<csv::Tabelle> BohrungTabellen(const bohrung::Bohrung& b, const bohrung::Auswertung& a);
