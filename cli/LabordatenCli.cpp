#include "LabordatenCli.h"

#include <filesystem>

#include "CsvSchreiber.h"
#include "Ergebnistabellen.h"
#include "KadrelDoc.h"

bool LaborOptionLesen(const std::vector<std::string>& arg, std::size_t& i, LaborOptionen& o,
                      std::optional<std::string>& fehler) {
  const std::string& a = arg[i];
  const bool mitWert =
      a == "--labordaten" || a == "--spalten" || a == "--druck-einheit" || a == "--saettigung-einheit" || a == "--csv";
  if (!mitWert) {
    if (a == "--nullpunkt") {
      o.vorgaben.nullpunktEinfuegen = true;
    } else if (a == "--csv-deutsch") {
      o.csvDeutsch = true;
    } else {
      return false;
    }
    return true;
  }
  if (i + 1 >= arg.size()) {
    fehler = a + (a == "--spalten"              ? " erwartet KERN,PERM,DRUCK,SAETTIGUNG"
                  : a == "--druck-einheit"      ? " erwartet psi, bar, kpa oder mpa"
                  : a == "--saettigung-einheit" ? " erwartet anteil oder prozent"
                                                : " erwartet einen Dateinamen");
    return true;
  }
  const std::string& w = arg[++i];
  if (a == "--labordaten") {
    o.labordaten = w;
  } else if (a == "--csv") {
    o.csv = w;
  } else if (a == "--spalten") {
    o.spalten.clear();
    std::size_t anfang = 0;
    while (true) {
      const std::size_t komma = w.find(',', anfang);
      o.spalten.push_back(w.substr(anfang, komma == std::string::npos ? std::string::npos : komma - anfang));
      if (komma == std::string::npos) break;
      anfang = komma + 1;
    }
    if (o.spalten.size() != labor::kRollen) {
      fehler = "--spalten erwartet vier durch Komma getrennte Spalten (Name oder Nummer, leer: erkennen)";
    }
  } else if (a == "--druck-einheit") {
    const struct {
      const char* name;
      labor::Druckeinheit e;
    } einheiten[] = {{"psi", labor::Druckeinheit::Psi},
                     {"bar", labor::Druckeinheit::Bar},
                     {"kpa", labor::Druckeinheit::KPa},
                     {"mpa", labor::Druckeinheit::MPa}};
    for (const auto& e : einheiten) {
      if (w == e.name) o.vorgaben.druck = e.e;
    }
    if (!o.vorgaben.druck) fehler = "--druck-einheit erwartet psi, bar, kpa oder mpa";
  } else {
    if (w == "anteil") o.vorgaben.saettigung = labor::Saettigungseinheit::Anteil;
    if (w == "prozent") o.vorgaben.saettigung = labor::Saettigungseinheit::Prozent;
    if (!o.vorgaben.saettigung) fehler = "--saettigung-einheit erwartet anteil oder prozent";
  }
  return true;
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

bool CsvAusgeben(const LaborOptionen& o, const CKadrelDoc& doc, const std::vector<csv::Tabelle>& analysen,
                 std::string& grund) {
  std::vector<csv::Tabelle> tabellen = Ergebnistabellen(doc);
  tabellen.insert(tabellen.end(), analysen.begin(), analysen.end());
  return csv::DateiSchreiben(*o.csv, tabellen, o.csvDeutsch ? csv::Format::DeutschesExcel() : csv::Format{}, grund);
}
