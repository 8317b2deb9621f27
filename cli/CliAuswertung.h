#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "CsvSchreiber.h"
#include "Datendiagramm.h"
#include "Textliste.h"

class Befehlszeile;
class CKadrelDoc;
struct Laufoptionen;

// A list with its chart that an option prints in place of the chosen table;
// its chart then goes to --grafik-datei and the list to aus.txt.
struct CliListe {
  std::string option;      // the option that chooses it ("--thomeer")
  bool gewaehlt = false;   // whether it was given
  std::string ausgegeben;  // what "Ergebnisse ausgeben" says after writing it
  // Only called after CliAuswertung::Beginnen.
  std::function<const Textliste&()> text;
  std::function<const Datendiagramm&()> diagramm;
};

// One analysis as kadrel-cli wires it in: its options with their help and
// checks, and what it adds to a run — lists, chart, JSON keys, CSV tables.
// The program's analyses are listed in CliAuswertungen(), in the order of
// the usage text, the lists, the JSON keys and the CSV tables.
class CliAuswertung {
 public:
  virtual ~CliAuswertung() = default;

  // Registers its options and its piece of the usage line.
  virtual void Anmelden(Befehlszeile& befehlszeile) = 0;
  // How its options go together, once all are read: the message, or nothing.
  virtual std::optional<std::string> Zusammenspiel(const Laufoptionen&) const { return std::nullopt; }
  // Values that depend on each other, checked after every other check.
  virtual std::optional<std::string> Werte() const { return std::nullopt; }
  // Its lists, chosen or not.
  virtual std::vector<CliListe> Listen() = 0;

  // Takes up the evaluated document; a message ends the program with status 2.
  virtual std::optional<std::string> Beginnen(const CKadrelDoc& doc) = 0;
  // Writes the files its own options ask for; the message when one was not
  // written (the run then ends with status 3).
  virtual std::optional<std::string> DateienSchreiben() { return std::nullopt; }
  // Adds its keys to the JSON object, as far as its options ask for them.
  virtual void JsonErgaenzen(nlohmann::ordered_json& zusatz) = 0;
  // Adds its tables to the CSV export.
  virtual void CsvTabellen(std::vector<csv::Tabelle>& tabellen) = 0;
};

// The analyses of kadrel-cli, one line each.
std::vector<std::unique_ptr<CliAuswertung>> CliAuswertungen();
