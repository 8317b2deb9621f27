#include "BohrungTabellen.h"

#include <cmath>
#include <string>
#include <utility>

#include "BohrungBericht.h"

namespace {

csv::Wert Zahl(double w) { return std::isnan(w) ? csv::Wert(std::string()) : csv::Wert(w); }

}  // namespace

std::vector<csv::Tabelle> BohrungTabellen(const bohrung::Bohrung& b, const bohrung::Auswertung& a) {
  using namespace bohrung;
  const std::string e = Einheitkurz(b.kopf);
  csv::Tabelle zeilen{"Bohrung",
                      {"Zeile der Datei", "Tiefe (" + e + ")", "Höhe über FWL (m)", "Porosität φ (Anteil)",
                       "Permeabilität k (mD)", "Sw (Anteil)", "Grund ohne Sw"},
                      {}};
  zeilen.zeilen.reserve(b.Zeilen());
  for (std::size_t i = 0; i < b.Zeilen(); ++i) {
    zeilen.zeilen.push_back({static_cast<double>(b.zeile[i]), Zahl(b.tiefe[i]), Zahl(HoeheMeter(b, a.fwl, i)),
                             Zahl(b.phi[i]), Zahl(b.k[i]), Zahl(a.sw[i]), Grundtext(a.grund[i])});
  }

  const Zusammenfassung& z = a.summe;
  csv::Tabelle summe{
      "Bohrung: Zusammenfassung",
      {"Datei", "Bohrung", "Porositätskurve", "Permeabilitätskurve", "FWL (" + e + ")", "Modell",
       "Zeilen über FWL (Anzahl)", "davon ohne Sw (Anzahl)", "Δz aus", "KW-Porenmächtigkeit (m)", "Sw-Mittel (Anteil)"},
      {}};
  summe.zeilen.push_back({b.pfad, b.kopf.bohrung, b.Porositaetskurve().kuerzel, b.Permeabilitaetskurve().kuerzel, a.fwl,
                          a.modell, static_cast<double>(z.zeilenUeberFwl), static_cast<double>(z.zeilenOhneSw),
                          std::string(z.deltaZAusStep ? "STEP" : "Tiefenabständen"), z.kwPorenmaechtigkeit,
                          csv::Optional(z.swMittel)});

  std::vector<csv::Tabelle> tabellen;
  csv::Anhaengen(tabellen, std::move(zeilen));
  csv::Anhaengen(tabellen, std::move(summe));
  return tabellen;
}
