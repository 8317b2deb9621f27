#include "LagerstaettenTabellen.h"

#include <string>
#include <utility>

#include "Lagerstaettenbedingungen.h"
#include "Scharstifte.h"

namespace {

const csv::Wert kLeer = std::string();
const char* const kEinheit[lagerstaette::kFelder] = {"mN/m", "Grad", "mN/m", "Grad", "g/cm³", "g/cm³"};

}  // namespace

std::vector<csv::Tabelle> SaettigungshoeheTabellen(const Saettigungshoehe& s) {
  std::vector<csv::Tabelle> tabellen;
  if (s.kurven.empty()) return tabellen;

  csv::Tabelle bedingungen{"Sättigungshöhe: Bedingungen", {"Größe", "Einheit", "Wert"}, {}};
  for (int f = 0; f < lagerstaette::kFelder; ++f) {
    bedingungen.zeilen.push_back(
        {std::string(lagerstaette::Feldname(f)), std::string(kEinheit[f]), lagerstaette::Wert(s.bedingungen, f)});
  }
  bedingungen.zeilen.push_back({std::string("Umrechnungsfaktor F"), std::string("-"), s.F});
  bedingungen.zeilen.push_back({std::string("Dichtedifferenz"), std::string("g/cm³"), s.Dichtedifferenz});
  tabellen.push_back(std::move(bedingungen));

  csv::Tabelle eintritt{"Sättigungshöhe: Eintrittshöhe", {"K (mD)", "Sperrdruck (bar)", "Eintrittshöhe (m)"}, {}};
  csv::Tabelle tabelle{"Sättigungshöhe: Tabelle", {"Höhe (m)"}, {}};
  for (const Saettigungshoehenkurve& k : s.kurven) {
    eintritt.zeilen.push_back({k.K, k.parameter.PcSperr, k.Eintrittshoehe});
    tabelle.spalten.push_back(std::string("Sw ") + schar::kLegende[k.iSchar]);
  }
  for (std::size_t i = 0; i < s.Hoehen.size(); ++i) {
    std::vector<csv::Wert> zeile{s.Hoehen[i]};
    for (const Saettigungshoehenkurve& k : s.kurven) zeile.emplace_back(k.SwTabelle[i]);
    tabelle.zeilen.push_back(std::move(zeile));
  }
  tabellen.push_back(std::move(eintritt));
  csv::Anhaengen(tabellen, std::move(tabelle));
  return tabellen;
}

std::vector<csv::Tabelle> PorenradienTabellen(const Porenradien& p) {
  csv::Tabelle kennwerte{"Porenradien", {"Kern", "Permeabilität (mD)", "r35 (µm)", "r50 (µm)"}, {}};
  csv::Tabelle punkte{"Porenradien: Punkte", {"Kern", "Druck (bar)", "Sättigung", "Radius (µm)"}, {}};
  for (const Porenradienkurve& k : p.kurven) {
    // The measured numbers were floats: written as such, they read back as read.
    kennwerte.zeilen.push_back({k.Kern, static_cast<float>(k.Perm), csv::Optional(k.r35), csv::Optional(k.r50)});
    for (std::size_t i = 0; i < k.Pc.size(); ++i) {
      // No radius where the pressure is not above 0.
      const bool radius = i < k.r.size() && k.Pc[i] > 0.0;
      punkte.zeilen.push_back(
          {k.Kern, static_cast<float>(k.Pc[i]), static_cast<float>(k.Shg[i]), radius ? csv::Wert(k.r[i]) : kLeer});
    }
  }
  std::vector<csv::Tabelle> tabellen;
  csv::Anhaengen(tabellen, std::move(kennwerte));
  csv::Anhaengen(tabellen, std::move(punkte));
  return tabellen;
}

std::vector<csv::Tabelle> LagerstaettenTabellen(Lagerstaettenauswertung& a) {
  std::vector<csv::Tabelle> tabellen = SaettigungshoeheTabellen(a.SaettigungshoeheErgebnis());
  for (csv::Tabelle& t : PorenradienTabellen(a.PorenradienErgebnis())) tabellen.push_back(std::move(t));
  return tabellen;
}
