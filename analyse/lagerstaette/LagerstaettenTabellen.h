#pragma once

#include <vector>

#include "CsvSchreiber.h"
#include "Lagerstaettenauswertung.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"

// The reservoir analyses' results as plain tables for the CSV export. Tables
// without rows are left out.

// The conditions with F and ρ_W − ρ_KW, the entry height per computed
// family curve, and Sw at the table's heights.
std::vector<csv::Tabelle> SaettigungshoeheTabellen(const Saettigungshoehe& s);

// r35 and r50 per measurement (empty where never reached), then every
// point with its radius.
std::vector<csv::Tabelle> PorenradienTabellen(const Porenradien& p);

// The saturation-height tables, then the pore radii, under the analysis's
// conditions.
std::vector<csv::Tabelle> LagerstaettenTabellen(Lagerstaettenauswertung& a);
