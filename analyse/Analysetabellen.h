#pragma once

#include <vector>

#include "CsvSchreiber.h"
#include "Lagerstaettenauswertung.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"
#include "Thomeer.h"

// The analyses' results as plain tables for the CSV export, next to the
// document's own (Ergebnistabellen). Tables without rows are left out.

// One row per measurement: permeability, Pd, G, S∞ of up to two systems
// (empty cells for a missing one), RMS error, R², label and the reason a
// measurement was not fitted.
std::vector<csv::Tabelle> ThomeerTabellen(const std::vector<ThomeerErgebnis>& ergebnisse);

// The conditions with F and ρ_W − ρ_KW, the entry height per computed
// family curve, and Sw at the table's heights.
std::vector<csv::Tabelle> SaettigungshoeheTabellen(const Saettigungshoehe& s);

// r35 and r50 per measurement (empty where never reached), then every
// point with its radius.
std::vector<csv::Tabelle> PorenradienTabellen(const Porenradien& p);

// The saturation-height tables, then the pore radii, under the analysis's
// conditions.
std::vector<csv::Tabelle> LagerstaettenTabellen(Lagerstaettenauswertung& a);
