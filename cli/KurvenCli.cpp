#include "KurvenCli.h"

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "JsonAusgabe.h"
#include "Kapillardruckkurven.h"

void KurvenCli::Anmelden(Befehlszeile& b) {
  b.Aufruf("\n[--kurven-grafik [KERN,...]]");
  b.WahlweiseWert("--kurven-grafik", "[KERN,...]",
                  "statt der Tabelle die gemessenen Kurven aller\n"
                  "Messungen (oder der mit diesen Kernbezeichnungen) ausgeben;\n"
                  "--grafik-datei schreibt die Grafik \"Kapillardruckkurven\",\n"
                  "--ergebnisse-ausgeben ihre Liste, --json zusätzlich\n"
                  "\"Kapillardruckkurven\"; ohne KERN nicht direkt vor EINGABE",
                  [this](const std::optional<std::string>& wert) {
                    gewaehlt_ = true;
                    kerne_.reset();
                    if (!wert) return std::optional<std::string>();
                    kerne_ = KernlisteLesen(*wert);
                    if (!kerne_) {
                      return std::optional<std::string>(
                          "--kurven-grafik erwartet Kernbezeichnungen, getrennt durch \",\" (KERN,...)");
                    }
                    return std::optional<std::string>();
                  });
}

std::vector<CliListe> KurvenCli::Listen() {
  return {{"--kurven-grafik", gewaehlt_, kKapillardruckkurvenAusgegeben,
           [this]() -> const Textliste& { return auswertung_->Liste(); },
           [this]() -> const Datendiagramm& { return auswertung_->Diagramm(); }}};
}

std::optional<std::string> KurvenCli::Beginnen(const CKadrelDoc& doc) {
  auswertung_.emplace(doc);
  if (!kerne_) return std::nullopt;
  Kurvenauswahl auswahl = auswertung_->Auswahl();
  std::string fehler;
  if (!KerneWaehlen(auswertung_->Kurven(), *kerne_, auswahl, fehler)) return fehler;
  auswertung_->SetAuswahl(auswahl);
  return std::nullopt;
}

void KurvenCli::JsonErgaenzen(nlohmann::ordered_json& zusatz) {
  if (!gewaehlt_) return;
  nlohmann::ordered_json a = nlohmann::ordered_json::array();
  const std::vector<Messkurve>& kurven = auswertung_->Kurven();
  const Kurvenauswahl& auswahl = auswertung_->Auswahl();
  int k = 0;
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    if (!auswahl.Gewaehlt(i)) continue;
    a.push_back({{"Kern", kurven[i].Kern}, {"Perm", FloatWert(kurven[i].Perm)}, {"Farbe", KurvenFarbname(k++)}});
  }
  zusatz["Kapillardruckkurven"] = a;
}
