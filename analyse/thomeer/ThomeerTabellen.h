#pragma once

#include <string>
#include <vector>

#include "CsvSchreiber.h"
#include "Thomeer.h"

// One row per measurement for the CSV export: permeability, Pd, G, S∞ of up
// to two systems (empty cells for a missing one), RMS error, R², label and
// the reason a measurement was not fitted and the fit's marks (`hinweise`,
// one per fit, or none: ThomeerHinweis). No table without rows.
std::vector<csv::Tabelle> ThomeerTabellen(const std::vector<ThomeerErgebnis>& ergebnisse,
                                          const std::vector<std::string>& hinweise = {});
