#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Textliste.h"

// Reads a laboratory's delimited table (one row per pressure step, the
// sample's label and permeability, and optionally its porosity, in columns)
// and turns it into Kadrel's input lines: per sample a header, its value
// lines and "ENDE".
namespace labor {

// The roles a column can take, in the order of the mapping. Permeability,
// pressure and saturation need a column; label and porosity may have none.
enum Rolle { kKern = 0, kPerm = 1, kDruck = 2, kSaettigung = 3, kPorositaet = 4 };
constexpr int kRollen = 5;

enum class Druckeinheit { Psi, Bar, KPa, MPa };
enum class Saettigungseinheit { Anteil, Prozent };
enum class Porositaetseinheit { Anteil, Prozent };

// Files above this size are refused before they are read.
constexpr std::uintmax_t kMaxBytes = 64u * 1024u * 1024u;

// The table as read, before any mapping: the column names and the first
// rows, which show how it is read. The rows are read again from the text when
// the table is evaluated, so that a large table is held once, as its text.
struct Rohtabelle {
  // One row: the cells of one record; a quoted cell may span lines.
  struct Zeile {
    int nummer = 0;  // line of the file where the row starts, from 1
    std::vector<std::string> zellen;
    bool offen = false;  // a quote opened in it is not closed before the end of the file
  };
  char trenner = ',';
  char dezimal = '.';
  // Why they are used, for the user: "erkannt: Semikolon", "gewählt; erkannt: Komma" …
  std::string trennerHerkunft;
  std::string dezimalHerkunft;
  int kopfZeile = 0;  // line of the file holding the column names
  std::vector<std::string> kopf;
  std::vector<Zeile> ersteZeilen;  // the first kErsteZeilen rows after the column names
  // The file as UTF-8 text, and where (byte, line) the rows after the column names start.
  std::shared_ptr<const std::string> text;
  std::size_t rumpf = 0;
  int rumpfZeile = 0;
};

// Rows kept in Rohtabelle::ersteZeilen; they also tell the decimal mark.
constexpr std::size_t kErsteZeilen = 50;

// Columns a table may have. A row keeps at most one cell more, which stands
// for all its cells from there on (it holds the first of them that is not
// empty), so a line of separators costs no more than its length.
constexpr std::size_t kMaxSpalten = 1000;

// A role the user left without a column on purpose: not preset from the names.
constexpr int kKeineSpalte = -2;

// What the user chose; unset parts are detected or taken from the header.
struct Vorgaben {
  char trenner = 0;                                      // ',', ';' or '\t'; 0: detect
  char dezimal = 0;                                      // '.' or ','; 0: detect
  std::array<int, kRollen> spalten{-1, -1, -1, -1, -1};  // column index; -1: from the column names; or kKeineSpalte
  std::optional<Druckeinheit> druck;                     // unset: from the column name, else bar
  std::optional<Saettigungseinheit> saettigung;          // unset: from the column name, else fraction
  std::optional<Porositaetseinheit> porositaet;          // unset: from the column name, else fraction
  bool nullpunktEinfuegen = false;                       // add (first pressure, 0) where the first saturation is not 0
  std::string standardKern = "PROBE";                    // label of rows before any label, or without a label column
};

// A row that did not become a value line, or a note on one.
struct Problem {
  int zeile = 0;      // line of the file where the row starts, from 1
  std::string grund;  // one per sample and cause: the first row's, with the count when there are more
  bool operator==(const Problem&) const = default;
};

// One measurement the table yields.
struct Messung {
  std::string kern;
  float perm = 0.0f;
  int punkte = 0;                 // value lines written (with an added zero point)
  int ersteZeile = 0;             // line of the file of its first row
  std::vector<Problem> probleme;  // its rows that did not become value lines, and notes
  // A fraction inside (0, 1), written on its header; none without a porosity
  // column, or when its rows disagree or one lies outside.
  std::optional<float> porositaet;
};

struct Ergebnis {
  std::array<int, kRollen> spalten{-1, -1, -1, -1, -1};
  Druckeinheit druck = Druckeinheit::Bar;
  Saettigungseinheit saettigung = Saettigungseinheit::Anteil;
  Porositaetseinheit porositaet = Porositaetseinheit::Anteil;
  // Why each unit is used, for the user: "psi (aus dem Spaltennamen „Druck
  // (psia)“)", "bar (Vorgabe)", "Prozent (gewählt)"; empty for the porosity
  // without its column.
  std::string druckHerkunft;
  std::string saettigungHerkunft;
  std::string porositaetHerkunft;
  std::vector<Messung> messungen;
  // Of all samples, by line; after kMaxProbleme notes one more counts the rest.
  std::vector<Problem> probleme;
  Textliste zeilen;  // the input lines
};

// Notes kept in Ergebnis::probleme.
constexpr std::size_t kMaxProbleme = 1000;

// Reads at most `grenze` bytes; false when the stream holds more or fails.
bool BegrenztLesen(std::istream& ein, std::uintmax_t grenze, std::string& bytes, bool& zuGross);

// Reads a table file of at most kMaxBytes; false with the message otherwise.
bool DateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler);

// Decodes the bytes (TextAusBytes), finds separator and decimal mark (unless
// given), the column names and the first rows, and keeps the text for
// TabelleAuswerten.
bool TabelleZerlegen(std::string_view bytes, char trenner, char dezimal, Rohtabelle& tabelle, std::string& fehler);

// Maps the columns and builds the measurements, their input lines and the
// list of problems, reading the rows one by one from the table's text. False
// with the message when the table gives no input lines at all (the problems
// are filled in even then).
bool TabelleAuswerten(const Rohtabelle& tabelle, const Vorgaben& vorgaben, Ergebnis& ergebnis, std::string& fehler);

// Both steps in one.
bool Importieren(std::string_view bytes, const Vorgaben& vorgaben, Ergebnis& ergebnis, std::string& fehler);

// The columns preset from common column names, -1 where none fits; a
// column already in `fest` is not taken again. Porosity takes a column with
// Porosity, Porosität, Phi, φ, Por or Poro as a whole word of its name.
std::array<int, kRollen> SpaltenVorschlagen(const std::vector<std::string>& kopf,
                                            const std::array<int, kRollen>& fest = {-1, -1, -1, -1, -1});

// The column named `name` (case-insensitive) or given by its number from 1;
// -1 when there is none.
int SpalteFinden(const Rohtabelle& tabelle, std::string_view name);

// Names for the user.
std::string Rollenname(int rolle);
std::string Einheitname(Druckeinheit e);
std::string Einheitname(Saettigungseinheit e);
std::string Einheitname(Porositaetseinheit e);

// A number as the table writes it, with the given decimal mark, read as the
// text import reads it (`wert`) and with all its digits (`genau`); false for
// an empty cell or anything else.
bool ZahlAusZelle(std::string_view zelle, char dezimal, float& wert, double* genau = nullptr);

}  // namespace labor
