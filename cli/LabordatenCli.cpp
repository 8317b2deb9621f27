#include "LabordatenCli.h"

#include <filesystem>

#include "Befehlszeile.h"
#include "Laufoptionen.h"

void LabordatenCli::Anmelden(Befehlszeile& b) {
  b.Aufrufform(
      "[Optionen] --labordaten DATEI [--spalten KERN,PERM,DRUCK,SAETTIGUNG[,POROSITAET]]\n"
      "[--druck-einheit psi|bar|kpa|mpa] [--saettigung-einheit anteil|prozent]\n"
      "[--porositaet-einheit anteil|prozent] [--nullpunkt]");
  b.Wert("--labordaten", "DATEI", "statt EINGABE eine Labortabelle (CSV, Semikolon oder Tabulator) einlesen",
         "--labordaten erwartet einen Dateinamen", [this](const std::string& w) {
           o_.labordaten = w;
           return std::optional<std::string>();
         });
  b.Wert("--spalten", "K,P,D,S[,PHI]",
         "Spalten für Kern, Permeabilität (mD), Druck, Sättigung und wahlweise\n"
         "Porosität: Name oder Nummer ab 1, leer = aus den Spaltennamen erkennen",
         "--spalten erwartet KERN,PERM,DRUCK,SAETTIGUNG", [this](const std::string& w) -> std::optional<std::string> {
           o_.spalten.clear();
           std::size_t anfang = 0;
           while (true) {
             const std::size_t komma = w.find(',', anfang);
             o_.spalten.push_back(w.substr(anfang, komma == std::string::npos ? std::string::npos : komma - anfang));
             if (komma == std::string::npos) break;
             anfang = komma + 1;
           }
           // The porosity's column may be left out, and is then detected.
           if (o_.spalten.size() != labor::kRollen && o_.spalten.size() != labor::kRollen - 1) {
             return "--spalten erwartet vier oder fünf durch Komma getrennte Spalten (Name oder Nummer, leer: "
                    "erkennen)";
           }
           return std::nullopt;
         });
  const std::string druck = "--druck-einheit erwartet psi, bar, kpa oder mpa";
  b.Wert("--druck-einheit", "E", "Einheit des Drucks: psi, bar, kpa, mpa (Vorgabe: aus dem Spaltennamen, sonst bar)",
         druck, [this, druck](const std::string& w) {
           const struct {
             const char* name;
             labor::Druckeinheit e;
           } einheiten[] = {{"psi", labor::Druckeinheit::Psi},
                            {"bar", labor::Druckeinheit::Bar},
                            {"kpa", labor::Druckeinheit::KPa},
                            {"mpa", labor::Druckeinheit::MPa}};
           for (const auto& e : einheiten) {
             if (w == e.name) {
               o_.vorgaben.druck = e.e;
               return std::optional<std::string>();
             }
           }
           return std::optional(druck);
         });
  const std::string saettigung = "--saettigung-einheit erwartet anteil oder prozent";
  b.Wert("--saettigung-einheit", "E", "anteil oder prozent (Vorgabe: aus dem Spaltennamen, sonst anteil)", saettigung,
         [this, saettigung](const std::string& w) {
           if (w == "anteil") {
             o_.vorgaben.saettigung = labor::Saettigungseinheit::Anteil;
           } else if (w == "prozent") {
             o_.vorgaben.saettigung = labor::Saettigungseinheit::Prozent;
           } else {
             return std::optional(saettigung);
           }
           return std::optional<std::string>();
         });
  const std::string porositaet = "--porositaet-einheit erwartet anteil oder prozent";
  b.Wert("--porositaet-einheit", "E", "anteil oder prozent (Vorgabe: aus dem Spaltennamen, sonst anteil)", porositaet,
         [this, porositaet](const std::string& w) {
           if (w == "anteil") {
             o_.vorgaben.porositaet = labor::Porositaetseinheit::Anteil;
           } else if (w == "prozent") {
             o_.vorgaben.porositaet = labor::Porositaetseinheit::Prozent;
           } else {
             return std::optional(porositaet);
           }
           return std::optional<std::string>();
         });
  b.Schalter("--nullpunkt", "fehlt der Punkt mit Sättigung 0, ihn beim ersten Druck einfügen",
             [this] { o_.vorgaben.nullpunktEinfuegen = true; });
}

std::optional<std::string> LabordatenCli::Zusammenspiel(const Laufoptionen& lauf) const {
  if (o_.labordaten && (lauf.eingabe || lauf.import || lauf.testdaten)) {
    return "--labordaten steht statt EINGABE, --import und --testdaten";
  }
  if (!o_.labordaten &&
      (!o_.spalten.empty() || o_.vorgaben.druck || o_.vorgaben.saettigung || o_.vorgaben.nullpunktEinfuegen)) {
    return "--spalten, --druck-einheit, --saettigung-einheit und --nullpunkt gelten nur mit --labordaten";
  }
  if (!o_.labordaten && o_.vorgaben.porositaet) return "--porositaet-einheit gilt nur mit --labordaten";
  return std::nullopt;
}

bool LabordatenEinlesen(const LaborOptionen& o, Textliste& zeilen, std::ostream& meldungen, std::string& grund) {
  std::string bytes;
  if (!labor::DateiLesen(*o.labordaten, bytes, grund)) return false;
  labor::Vorgaben v = o.vorgaben;
  // Rows before any label take the file's name.
  v.standardKern = std::filesystem::path(*o.labordaten).stem().string();
  labor::Rohtabelle tabelle;
  if (!labor::TabelleZerlegen(bytes, v.trenner, v.dezimal, tabelle, grund)) return false;
  for (std::size_t r = 0; r < o.spalten.size(); ++r) {
    if (o.spalten[r].empty()) continue;
    v.spalten[r] = labor::SpalteFinden(tabelle, o.spalten[r]);
    if (v.spalten[r] < 0) {
      grund = "Die Spalte „" + o.spalten[r] + "“ gibt es in der Tabelle nicht.";
      return false;
    }
  }
  labor::Ergebnis ergebnis;
  const bool gut = labor::TabelleAuswerten(tabelle, v, ergebnis, grund);
  for (const auto& p : ergebnis.probleme) {
    meldungen << *o.labordaten << ":" << p.zeile << ": " << p.grund << "\n";
  }
  if (!gut) return false;
  zeilen = ergebnis.zeilen;
  return true;
}
