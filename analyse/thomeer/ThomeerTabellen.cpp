#include "ThomeerTabellen.h"

#include <string>
#include <utility>

namespace {

const csv::Wert kLeer = std::string();

}  // namespace

std::vector<csv::Tabelle> ThomeerTabellen(const std::vector<ThomeerErgebnis>& ergebnisse,
                                          const std::vector<std::string>& hinweise) {
  csv::Tabelle t{"Thomeer-Parameter",
                 {"Permeabilität (mD)", "Pd1 (bar)", "G1", "Sinf1", "Pd2 (bar)", "G2", "Sinf2", "Fehler (RMS)", "R2",
                  "Kern", "Grund", "Hinweis"},
                 {}};
  for (std::size_t k = 0; k < ergebnisse.size(); ++k) {
    const ThomeerErgebnis& e = ergebnisse[k];
    std::vector<csv::Wert> zeile{e.Perm};
    for (std::size_t i = 0; i < 2; ++i) {
      if (i < e.Systeme.size()) {
        zeile.insert(zeile.end(), {e.Systeme[i].Pd, e.Systeme[i].G, e.Systeme[i].Sinf});
      } else {
        zeile.insert(zeile.end(), {kLeer, kLeer, kLeer});
      }
    }
    if (e.Angepasst()) {
      zeile.insert(zeile.end(), {e.RMS, e.R2});
    } else {
      zeile.insert(zeile.end(), {kLeer, kLeer});
    }
    zeile.insert(zeile.end(), {e.Kern, e.Grund, k < hinweise.size() ? hinweise[k] : std::string()});
    t.zeilen.push_back(std::move(zeile));
  }
  std::vector<csv::Tabelle> tabellen;
  csv::Anhaengen(tabellen, std::move(t));
  return tabellen;
}
