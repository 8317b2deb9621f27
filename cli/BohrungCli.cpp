#include "BohrungCli.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "Befehlszeile.h"
#include "BohrungBericht.h"
#include "BohrungTabellen.h"
#include "LasSchreiben.h"
#include "Lagerstaettenauswertung.h"

namespace {

using Json = nlohmann::ordered_json;

Json Zahl(double d) {
  if (!std::isfinite(d)) return nullptr;
  return d;
}

template <typename F>
Json Spalte(std::size_t zeilen, F wert) {
  Json a = Json::array();
  for (std::size_t i = 0; i < zeilen; ++i) a.push_back(Zahl(wert(i)));
  return a;
}

}  // namespace

void BohrungCli::Anmelden(Befehlszeile& b) {
  b.Aufruf("\n[--bohrung LAS --fwl TIEFE [--las-kurven PHI,PERM] [--las-ausgabe DATEI]]");
  b.Wert("--bohrung", "LAS",
         "Bohrung (LAS 2.0): Sw je Tiefe aus dem gewählten Sättigungshöhenmodell\n"
         "(--shf-modell); statt der Tabelle die Liste der Bohrung (Grafik, JSON,\naus.txt)",
         "--bohrung erwartet eine LAS-Datei", [this](const std::string& w) {
           pfad_ = w;
           return std::optional<std::string>();
         });
  const std::string fwl = "--fwl erwartet eine Zahl (Tiefe des freien Wasserspiegels, mit \".\")";
  b.Wert("--fwl", "TIEFE", "Tiefe des freien Wasserspiegels (FWL) in der Tiefeneinheit der Bohrung", fwl,
         [this, fwl](const std::string& w) {
           double wert = 0.0;
           if (!bohrung::LasZahl(w, wert) || !std::isfinite(wert)) return std::optional(fwl);
           fwl_ = wert;
           return std::optional<std::string>();
         });
  b.Wert("--las-kurven", "PHI,PERM",
         "Kurven der Porosität und Permeabilität (Kürzel; leer: die Vorgabe,\nz.B. \"PHIE,\")",
         "--las-kurven erwartet PHI,PERM", [this](const std::string& w) {
           std::string fehler;
           if (!bohrung::KurvenwahlLesen(w, kurven_, fehler)) return std::optional("--las-kurven: " + fehler);
           kurvenGegeben_ = true;
           return std::optional<std::string>();
         });
  b.Wert("--las-ausgabe", "DATEI", "die Bohrung mit den Kurven SW und HAFWL als LAS 2.0 schreiben",
         "--las-ausgabe erwartet einen Dateinamen", [this](const std::string& w) {
           ausgabe_ = w;
           return std::optional<std::string>();
         });
}

std::optional<std::string> BohrungCli::Zusammenspiel(const Laufoptionen&) const {
  if (!pfad_) {
    if (fwl_ || kurvenGegeben_ || ausgabe_)
      return std::string("--fwl, --las-kurven und --las-ausgabe gelten nur mit --bohrung");
    return std::nullopt;
  }
  if (!fwl_) return std::string("--bohrung braucht --fwl (Tiefe des freien Wasserspiegels)");
  return std::nullopt;
}

std::vector<CliListe> BohrungCli::Listen() {
  return {{"--bohrung", pfad_.has_value(), bohrung::kBohrungAusgegeben,
           [this]() -> const Textliste& {
             liste_ = bohrung::BohrungListe(bohrung_, auswertung_);
             return liste_;
           },
           [this]() -> const Datendiagramm& {
             diagramm_ = bohrung::BohrungDiagramm(bohrung_, auswertung_);
             return diagramm_;
           }}};
}

std::optional<std::string> BohrungCli::Beginnen(const CKadrelDoc& doc) {
  if (!pfad_) return std::nullopt;
  std::string fehler;
  if (!bohrung::LasLesenDatei(*pfad_, kurven_, bohrung_, fehler)) return "--bohrung: " + fehler;
  grundlage_->Beginnen(doc);
  if (!grundlage_->WahlFehler().empty()) return grundlage_->WahlFehler();
  Lagerstaettenauswertung& l = grundlage_->Lagerstaette();
  const ShfModell modell = l.Wahl().modell;
  const Saettigungshoehenmodelle& m = l.Modelle();
  if (!m.Grund(modell).empty()) {
    std::string grund = m.Grund(modell);
    for (char& c : grund) {
      if (c == '\n') c = ' ';
    }
    std::string meldung = "--bohrung: Das Modell ";
    meldung += lagerstaette::Modellname(modell);
    meldung += " rechnet nicht: ";
    meldung += grund;
    return meldung;
  }
  if (!bohrung::Auswerten(bohrung_, *fwl_, m.Rueckruf(modell), lagerstaette::Modellname(modell), auswertung_, fehler)) {
    return "--fwl: " + fehler;
  }
  return std::nullopt;
}

std::optional<std::string> BohrungCli::DateienSchreiben() {
  if (!pfad_ || !ausgabe_) return std::nullopt;
  std::string fehler;
  if (!bohrung::LasSpeichern(*ausgabe_, bohrung_, auswertung_, fehler)) return fehler;
  return std::nullopt;
}

void BohrungCli::JsonErgaenzen(nlohmann::ordered_json& j) {
  if (!pfad_) return;
  const bohrung::Bohrung& b = bohrung_;
  const std::size_t n = b.Zeilen();
  const bohrung::Zusammenfassung& s = auswertung_.summe;
  j["Bohrung"] = {{"Tiefe", Spalte(n, [&](std::size_t i) { return b.tiefe[i]; })},
                  {"Hoehe", Spalte(n, [&](std::size_t i) { return bohrung::HoeheMeter(b, auswertung_.fwl, i); })},
                  {"Porositaet", Spalte(n, [&](std::size_t i) { return b.phi[i]; })},
                  {"Perm", Spalte(n, [&](std::size_t i) { return b.k[i]; })},
                  {"Sw", Spalte(n, [&](std::size_t i) { return auswertung_.sw[i]; })},
                  {"KW_Porenmaechtigkeit", Zahl(s.kwPorenmaechtigkeit)},
                  {"Sw_Mittel", s.swMittel ? Zahl(*s.swMittel) : Json(nullptr)}};
}

void BohrungCli::CsvTabellen(std::vector<csv::Tabelle>& tabellen) {
  if (!pfad_) return;
  for (csv::Tabelle& t : BohrungTabellen(bohrung_, auswertung_)) tabellen.push_back(std::move(t));
}
