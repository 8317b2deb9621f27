#include "ThomeerCli.h"

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "JsonAusgabe.h"
#include "ThomeerBericht.h"
#include "ThomeerTabellen.h"

void ThomeerCli::Anmelden(Befehlszeile& b) {
  b.Aufruf("[--thomeer [--kern KERN]]");
  b.Schalter("--thomeer",
             "Thomeer-Parameter je Messung anpassen und ihre Liste statt der\n"
             "Tabelle ausgeben (mit --json zusätzlich unter \"Thomeer\");\n"
             "--grafik-datei schreibt dann die Thomeer-Grafik,\n"
             "--ergebnisse-ausgeben die Thomeer-Liste",
             [this] { thomeer_ = true; });
  b.Wert("--kern", "KERN", "mit --thomeer: die Messung der Thomeer-Grafik (Vorgabe: die\nletzte angepasste)",
         "--kern erwartet eine Kernbezeichnung", [this](const std::string& w) {
           kern_ = w;
           return std::optional<std::string>();
         });
}

std::optional<std::string> ThomeerCli::Zusammenspiel(const Laufoptionen&) const {
  if (kern_ && !thomeer_) return "--kern gilt nur zusammen mit --thomeer";
  return std::nullopt;
}

std::vector<CliListe> ThomeerCli::Listen() {
  return {{"--thomeer", thomeer_, kThomeerAusgegeben, [this]() -> const Textliste& { return auswertung_->Liste(); },
           [this]() -> const Datendiagramm& { return auswertung_->Diagramm(); }}};
}

std::optional<std::string> ThomeerCli::Beginnen(const CKadrelDoc& doc) {
  grundlage_->Beginnen(doc);
  auswertung_ = &grundlage_->Thomeer();
  if (kern_ && !auswertung_->KernWaehlen(*kern_)) return "Keine Messung mit dem Kern " + *kern_;
  return std::nullopt;
}

void ThomeerCli::JsonErgaenzen(nlohmann::ordered_json& zusatz) {
  if (!thomeer_) return;
  nlohmann::ordered_json a = nlohmann::ordered_json::array();
  const std::vector<std::string>& hinweise = auswertung_->Hinweise();
  for (std::size_t k = 0; k < auswertung_->Ergebnisse().size(); ++k) {
    const ThomeerErgebnis& e = auswertung_->Ergebnisse()[k];
    nlohmann::ordered_json systeme = nlohmann::ordered_json::array();
    for (const auto& s : e.Systeme) {
      systeme.push_back({{"Pd", DoubleWert(s.Pd)}, {"G", DoubleWert(s.G)}, {"Sinf", DoubleWert(s.Sinf)}});
    }
    a.push_back({{"Kern", e.Kern},
                 {"Perm", FloatWert(e.Perm)},
                 {"Systeme", systeme},
                 {"RMS", DoubleWert(e.RMS)},
                 {"R2", DoubleWert(e.R2)},
                 {"Grund", e.Grund},
                 {"Hinweis", hinweise[k]}});
  }
  zusatz["Thomeer"] = a;
}

void ThomeerCli::CsvTabellen(std::vector<csv::Tabelle>& tabellen) {
  for (csv::Tabelle& t : ThomeerTabellen(auswertung_->Ergebnisse(), auswertung_->Hinweise()))
    tabellen.push_back(std::move(t));
}
