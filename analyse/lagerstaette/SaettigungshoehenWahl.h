#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Messkurve.h"
#include "Textliste.h"

// The saturation-height models Kadrel offers.
enum class ShfModell { Kadrel, JFunktion, Thomeer };

// A rock the list and the chart evaluate the chosen model at.
struct Gestein {
  double K = 0.0;                    // permeability, mD
  std::optional<double> Porositaet;  // fraction; the Kadrel model does without
  bool operator==(const Gestein&) const = default;
};

// What the dialog "Sättigungshöhenmodell..." edits: the model, the rock type
// the J and Thomeer models are fitted on (none: all measurements), the rocks
// and the greatest height of the list and chart. A plain value; Pruefen tells
// whether it is allowed.
struct SaettigungshoehenWahl {
  ShfModell modell = ShfModell::Kadrel;
  std::optional<int> gesteinstyp;  // DRT
  std::vector<Gestein> gesteine;
  double hoeheMax = 200.0;  // m
  bool operator==(const SaettigungshoehenWahl&) const = default;
};

namespace lagerstaette {

// The ranges (bounds included where not said otherwise).
constexpr double kPermeabilitaetMax = 1e6;   // mD, above 0
constexpr double kHoeheMaxGrenze = 10000.0;  // m, above 0
constexpr int kGesteinstypMin = -20;
constexpr int kGesteinstypMax = 40;
constexpr std::size_t kGesteineMax = 50;
constexpr double kStandardHoeheMax = 200.0;  // m

// The model's name as lists and the dialog show it: "Kadrel", "J-Funktion", "Thomeer".
const char* Modellname(ShfModell m);

// The median porosity of the measurements that carry one; none without.
std::optional<double> MedianPorositaet(const std::vector<Messkurve>& kurven);
// The choice for a new study: the Kadrel model at the five family
// permeabilities 0.01 … 100 mD with the median porosity, 200 m.
SaettigungshoehenWahl StandardWahl(const std::vector<Messkurve>& kurven);
// Whether the choice gives today's list: the Kadrel model at the five family
// permeabilities (whatever porosity, which that model does not use) up to
// 200 m, no rock type chosen.
bool IstStandard(const SaettigungshoehenWahl& w);

// The heights of the table: those of kTabellenhoehe up to the greatest
// height, and that height itself when it is not one of them.
std::vector<double> Tabellenhoehen(double hoeheMax);

// The dialog's texts: numbers with "." or "," as decimal separator; an empty
// porosity is none; the rock type "alle" (or empty) or a whole number.
struct SaettigungshoehenTexte {
  ShfModell modell = ShfModell::Kadrel;
  std::string gesteinstyp;
  std::vector<std::pair<std::string, std::string>> gesteine;  // k (mD), φ (fraction)
  std::string hoeheMax;
};

// Which field a message is about, so that the dialog can put the cursor there.
struct WahlFeld {
  enum Art { Gesteinstyp, Permeabilitaet, Porositaet, Gesteine, HoeheMax } art = Gesteinstyp;
  int zeile = -1;  // the rock's row from 0, for Permeabilitaet and Porositaet
};

// Checks the choice; false with a message naming the field and its range,
// and that field.
bool Pruefen(const SaettigungshoehenWahl& w, std::string& fehler, WahlFeld* feld = nullptr);

// The rock types (DRT) of the measurements that carry a porosity, each once,
// in ascending order, those inside the allowed range: what the dialog
// offers to fit on.
std::vector<int> VorhandeneGesteinstypen(const std::vector<Messkurve>& kurven);

// Reads and checks the texts; on failure false with the message and the
// field, and `w` unchanged.
bool TexteLesen(const SaettigungshoehenTexte& t, SaettigungshoehenWahl& w, std::string& fehler,
                WahlFeld* feld = nullptr);
// The texts of a choice, each reading back to the same value.
SaettigungshoehenTexte Texte(const SaettigungshoehenWahl& w);

// The choice in the document's study block, one "Schlüssel=Wert" line each,
// numbers in the shortest text that reads back to the same double, "." as
// decimal separator whatever the locale:
//   SHF-Modell=Kadrel                  Kadrel, J-Funktion or Thomeer
//   SHF-Gesteinstyp-DRT=alle           alle, or the rock type as a whole number
//   SHF-Gestein-mD-Anteil=0.01,0.213   one line per rock in table order: k in mD,
//                                      φ as a fraction (left out with its comma: "0.01")
//   SHF-Hoehe-Max-m=200                the greatest height in m
// Replaces the lines of these keys in `studie`, keeping every other line.
void StudieSchreiben(const SaettigungshoehenWahl& w, Textliste& studie);
// Removes the lines of these keys.
void StudieEntfernen(Textliste& studie);
// Whether the block holds any of these keys.
bool StudieEnthaelt(const Textliste& studie);
// Reads the keys onto `w` (a key not given keeps its value in `w`; rock
// lines given replace all rocks); false with a message naming the line when
// a value cannot be read, a key stands twice or the result is not allowed,
// and `w` unchanged.
bool StudieLesen(const Textliste& studie, SaettigungshoehenWahl& w, std::string& fehler);

}  // namespace lagerstaette
