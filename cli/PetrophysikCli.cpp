#include "PetrophysikCli.h"

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "JsonAusgabe.h"
#include "KadrelDoc.h"
#include "Laufoptionen.h"

namespace {

using Json = nlohmann::ordered_json;

Json Wahlweise(const std::optional<double>& w) { return w ? DoubleWert(*w) : Json(nullptr); }

Json Zahlen(const std::vector<double>& werte) {
  Json a = Json::array();
  for (const double w : werte) a.push_back(DoubleWert(w));
  return a;
}

}  // namespace

void PetrophysikCli::Anmelden(Befehlszeile& b) {
  b.Aufruf("[--petrophysik]");
  b.Schalter("--petrophysik",
             "statt der Tabelle die Petrophysik ausgeben (Liste, Grafik, JSON,\n"
             "aus.txt); --grafik wählt die Grafik: 0 Porosität–Permeabilität,\n"
             "1 J-Funktion, 2 Thomeer-Permeabilität",
             [this] { petrophysik_ = true; });
}

std::optional<std::string> PetrophysikCli::Zusammenspiel(const Laufoptionen& lauf) const {
  if (petrophysik_ && lauf.daten.iGrafik >= kPetrophysikgrafiken) {
    return "--grafik erwartet mit --petrophysik eine Zahl von 0 bis 2";
  }
  return std::nullopt;
}

std::vector<CliListe> PetrophysikCli::Listen() {
  return {{"--petrophysik", petrophysik_, kPetrophysikAusgegeben,
           [this]() -> const Textliste& { return auswertung_->Liste(); },
           [this]() -> const Datendiagramm& { return auswertung_->Diagramm(); }}};
}

std::optional<std::string> PetrophysikCli::Beginnen(const CKadrelDoc& doc) {
  grundlage_->Beginnen(doc);
  auswertung_.emplace(grundlage_->Korrektur(), grundlage_->Thomeer());
  auswertung_->SetBedingungen(grundlage_->Bedingungen().bedingungen);
  // The run's --grafik, checked against the three charts above.
  if (petrophysik_) auswertung_->SetGrafik(static_cast<Petrophysikgrafik>(doc.iGrafik));
  return std::nullopt;
}

void PetrophysikCli::JsonErgaenzen(nlohmann::ordered_json& zusatz) {
  if (!petrophysik_) return;
  Json messungen = Json::array();
  Json j = Json::array();
  for (const Petrophysikwerte& m : auswertung_->Ergebnis().messungen) {
    messungen.push_back({{"Kern", m.Kern},
                         {"Perm", FloatWert(m.Perm)},
                         {"Porositaet", m.Porositaet ? FloatWert(*m.Porositaet) : Json(nullptr)},
                         {"RQI", Wahlweise(m.RQI)},
                         {"FZI", Wahlweise(m.FZI)},
                         {"Gesteinstyp", m.DRT ? Json(*m.DRT) : Json(nullptr)},
                         {"r35_Winland", Wahlweise(m.R35Winland)},
                         {"r35", Wahlweise(m.R35Kurve)},
                         {"Porenklasse", m.Klasse ? Json(petrophysik::Klassenname(*m.Klasse)) : Json(nullptr)},
                         {"Bvinf", Wahlweise(m.Bvinf)},
                         {"k_Thomeer", Wahlweise(m.KThomeer)},
                         {"Porenhalsmodus", Wahlweise(m.Porenhalsmodus)}});
    if (m.Porositaet) j.push_back({{"Kern", m.Kern}, {"Sw", Zahlen(m.Sw)}, {"J", Zahlen(m.J)}});
  }
  zusatz["Petrophysik"] = messungen;
  zusatz["J"] = j;
}

void PetrophysikCli::CsvTabellen(std::vector<csv::Tabelle>& tabellen) {
  for (csv::Tabelle& t : korrektur::Tabellen(grundlage_->Korrektur().Kurven())) tabellen.push_back(std::move(t));
  for (csv::Tabelle& t : auswertung_->Tabellen()) tabellen.push_back(std::move(t));
}
