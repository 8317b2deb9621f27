#pragma once

#include <vector>

#include "CsvSchreiber.h"
#include "Lagerstaettenauswertung.h"
#include "Modellguete.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"

// The reservoir analyses' results as plain tables for the CSV export. Tables
// without rows are left out.

// The conditions with F and ρ_W − ρ_KW, the entry height per rock the model
// evaluated, Sw at the table's heights, and the rocks it could not evaluate
// with the reason. The Kadrel model's tables keep today's columns; the J and
// Thomeer models add the porosity and name the entry pressure generally.
std::vector<csv::Tabelle> SaettigungshoeheTabellen(const Saettigungshoehe& s);

// "Sättigungshöhe: Modelle": one row per model with its coefficients, the
// counts of its fit, R², and the RMS of its quality; then "Modellgüte", the
// RMS per measurement and model.
std::vector<csv::Tabelle> ModellTabellen(const Saettigungshoehenmodelle& m, const Modellguete& g);

// r35 and r50 per measurement (empty where never reached), then every
// point with its radius.
std::vector<csv::Tabelle> PorenradienTabellen(const Porenradien& p);

// Whether the models' fit and quality belong in the output: when a
// measurement carries a porosity or the choice is not the default, so that
// runs without porosity under the default choice export what they did.
bool ModelleAusgeben(Lagerstaettenauswertung& a);

// The saturation-height tables, then (see ModelleAusgeben) the models' tables,
// then the pore radii, under the analysis's conditions and choice.
std::vector<csv::Tabelle> LagerstaettenTabellen(Lagerstaettenauswertung& a);
