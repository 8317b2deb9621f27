#include "LagerstaettenTabellen.h"

#include <algorithm>
#include <string>
#include <utility>

#include "Lagerstaettenbedingungen.h"

namespace {

const csv::Wert kLeer = std::string();
const char* const kEinheit[lagerstaette::kFelder] = {"mN/m", "Grad", "mN/m", "Grad", "g/cm³", "g/cm³"};

}  // namespace

std::vector<csv::Tabelle> SaettigungshoeheTabellen(const Saettigungshoehe& s) {
  std::vector<csv::Tabelle> tabellen;
  if (s.kurven.empty() && s.nichtAuswertbar.empty()) return tabellen;

  csv::Tabelle bedingungen{"Sättigungshöhe: Bedingungen", {"Größe", "Einheit", "Wert"}, {}};
  for (int f = 0; f < lagerstaette::kFelder; ++f) {
    bedingungen.zeilen.push_back(
        {std::string(lagerstaette::Feldname(f)), std::string(kEinheit[f]), lagerstaette::Wert(s.bedingungen, f)});
  }
  bedingungen.zeilen.push_back({std::string("Umrechnungsfaktor F"), std::string("-"), s.F});
  bedingungen.zeilen.push_back({std::string("Dichtedifferenz"), std::string("g/cm³"), s.Dichtedifferenz});
  tabellen.push_back(std::move(bedingungen));

  const bool kadrel = s.wahl.modell == ShfModell::Kadrel;
  csv::Tabelle eintritt{
      "Sättigungshöhe: Eintrittshöhe",
      kadrel ? std::vector<std::string>{"K (mD)", "Sperrdruck (bar)", "Eintrittshöhe (m)"}
             : std::vector<std::string>{"K (mD)", "Porosität (Anteil)", "Eintrittsdruck (bar)", "Eintrittshöhe (m)"},
      {}};
  csv::Tabelle tabelle{"Sättigungshöhe: Tabelle", {"Höhe (m)"}, {}};
  for (const Saettigungshoehenkurve& k : s.kurven) {
    if (kadrel) {
      eintritt.zeilen.push_back({k.K, k.parameter.PcSperr, k.Eintrittshoehe});
    } else {
      eintritt.zeilen.push_back({k.K, csv::Optional(k.Porositaet), k.Eintrittsdruck, k.Eintrittshoehe});
    }
    tabelle.spalten.push_back("Sw " + k.Legende);
  }
  if (!s.kurven.empty()) {
    for (std::size_t i = 0; i < s.Hoehen.size(); ++i) {
      std::vector<csv::Wert> zeile{s.Hoehen[i]};
      for (const Saettigungshoehenkurve& k : s.kurven) zeile.emplace_back(k.SwTabelle[i]);
      tabelle.zeilen.push_back(std::move(zeile));
    }
  }
  csv::Tabelle fehlt{"Sättigungshöhe: nicht auswertbar", {"K (mD)", "Porosität (Anteil)", "Grund"}, {}};
  for (const NichtAuswertbaresGestein& g : s.nichtAuswertbar) {
    const Gestein& gestein = s.wahl.gesteine[static_cast<std::size_t>(g.iSchar)];
    fehlt.zeilen.push_back({gestein.K, csv::Optional(gestein.Porositaet), g.Grund});
  }
  csv::Anhaengen(tabellen, std::move(eintritt));
  csv::Anhaengen(tabellen, std::move(tabelle));
  csv::Anhaengen(tabellen, std::move(fehlt));
  return tabellen;
}

std::vector<csv::Tabelle> ModellTabellen(const Saettigungshoehenmodelle& m, const Modellguete& g) {
  csv::Tabelle modelle{"Sättigungshöhe: Modelle",
                       {"Modell",
                        "Gesteinstyp (DRT)",
                        "Messungen der Anpassung",
                        "Punkte der Anpassung",
                        "J: c",
                        "J: d",
                        "J: R²",
                        "Thomeer: log10(Pd) a (log10 bar)",
                        "Thomeer: log10(Pd) b (log10 bar je Dekade K)",
                        "Thomeer: R² log10(Pd)",
                        "Thomeer: G a",
                        "Thomeer: G b (je Dekade K)",
                        "Thomeer: R² G",
                        "Thomeer: Sinf a (Anteil)",
                        "Thomeer: Sinf b (Anteil je Dekade K)",
                        "Thomeer: R² Sinf",
                        "RMS Sw (Anteil)",
                        "Messungen der Güte",
                        "Punkte der Güte",
                        "Grund"},
                       {}};
  const csv::Wert typ = m.gesteinstyp ? csv::Wert(static_cast<double>(*m.gesteinstyp)) : csv::Wert(std::string("alle"));
  for (const Guetemodell& gm : g.modelle) {
    std::vector<csv::Wert> z(modelle.spalten.size(), kLeer);
    z[0] = std::string(lagerstaette::Modellname(gm.modell));
    z[1] = gm.modell == ShfModell::Kadrel ? csv::Wert(std::string("alle")) : typ;
    const bool angepasst = m.Grund(gm.modell).empty();
    switch (gm.modell) {
      case ShfModell::Kadrel:
        if (angepasst) z[2] = static_cast<double>(m.kadrel.Messungen());
        break;
      case ShfModell::JFunktion:
        z[2] = static_cast<double>(m.j.Messungen());
        z[3] = static_cast<double>(m.j.Punkte());
        if (angepasst) {
          z[4] = m.j.c();
          z[5] = m.j.d();
          z[6] = m.j.R2();
        }
        break;
      case ShfModell::Thomeer:
        z[2] = static_cast<double>(m.thomeer.Messungen());
        if (angepasst) {
          const Ausgleichsgerade* geraden[3] = {&m.thomeer.LogPd(), &m.thomeer.G(), &m.thomeer.Sinf()};
          for (int i = 0; i < 3; ++i) {
            z[7 + 3 * i] = geraden[i]->a;
            z[8 + 3 * i] = geraden[i]->b;
            z[9 + 3 * i] = geraden[i]->R2;
          }
        }
        break;
    }
    if (angepasst && gm.Punkte > 0) z[16] = gm.RMS;
    z[17] = static_cast<double>(gm.Messungen);
    z[18] = static_cast<double>(gm.Punkte);
    z[19] = gm.Grund;
    modelle.zeilen.push_back(std::move(z));
  }

  csv::Tabelle guete{"Modellgüte",
                     {"Kern", "K (mD)", "Porosität (Anteil)", "Punkte", "RMS Sw Kadrel (Anteil)",
                      "RMS Sw J-Funktion (Anteil)", "RMS Sw Thomeer (Anteil)"},
                     {}};
  for (const Guetemessung& e : g.messungen) {
    // The measured numbers were floats: written as such, they read back as read.
    guete.zeilen.push_back(
        {e.Kern, static_cast<float>(e.K), e.Porositaet ? csv::Wert(static_cast<float>(*e.Porositaet)) : kLeer,
         static_cast<double>(e.Punkte), csv::Optional(e.RMS[0]), csv::Optional(e.RMS[1]), csv::Optional(e.RMS[2])});
  }
  std::vector<csv::Tabelle> tabellen;
  csv::Anhaengen(tabellen, std::move(modelle));
  csv::Anhaengen(tabellen, std::move(guete));
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

bool ModelleAusgeben(Lagerstaettenauswertung& a) {
  if (!lagerstaette::IstStandard(a.Wahl())) return true;
  const auto& messungen = a.Guete().messungen;
  return std::any_of(messungen.begin(), messungen.end(), [](const Guetemessung& m) { return m.Porositaet; });
}

std::vector<csv::Tabelle> LagerstaettenTabellen(Lagerstaettenauswertung& a) {
  std::vector<csv::Tabelle> tabellen = SaettigungshoeheTabellen(a.SaettigungshoeheErgebnis());
  if (ModelleAusgeben(a)) {
    for (csv::Tabelle& t : ModellTabellen(a.Modelle(), a.Guete())) tabellen.push_back(std::move(t));
  }
  for (csv::Tabelle& t : PorenradienTabellen(a.PorenradienErgebnis())) tabellen.push_back(std::move(t));
  return tabellen;
}
