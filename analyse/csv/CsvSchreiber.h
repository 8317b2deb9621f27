#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// Writes plain tables (title, column names, rows of numbers and texts) as
// one CSV file: RFC 4180 fields, UTF-8, CRLF line ends, the tables one after
// the other, each with a title row and a header row, a blank line between.
namespace csv {

// A cell: a float or double is printed as the shortest text that reads back
// as the same value; a text as it is. A single-precision value goes in as a
// float: widened to double it would be printed with the digits of its double
// value (0.009460000321269035 for 0.00946f).
using Wert = std::variant<float, double, std::string>;

struct Tabelle {
  std::string titel;
  std::vector<std::string> spalten;
  std::vector<std::vector<Wert>> zeilen;
};

struct Format {
  char trenner = ',';
  char dezimal = '.';
  bool bom = false;
  // Semicolon, decimal comma and a byte order mark, as a German spreadsheet
  // opens a file without asking.
  static Format DeutschesExcel() { return {';', ',', true}; }
};

// The cell of a value that may not exist: empty when it does not.
inline Wert Optional(const std::optional<double>& w) { return w ? Wert(*w) : Wert(std::string()); }
inline Wert Optional(const std::optional<float>& w) { return w ? Wert(*w) : Wert(std::string()); }

// Appends a table that has rows; a table without rows is left out.
inline void Anhaengen(std::vector<Tabelle>& tabellen, Tabelle t) {
  if (!t.zeilen.empty()) tabellen.push_back(std::move(t));
}

// The text of one number, locale-independent.
std::string Zahl(float wert, char dezimal = '.');
std::string Zahl(double wert, char dezimal = '.');

// One field, quoted when it holds the separator, a quote, CR or LF.
std::string Feld(const std::string& text, char trenner);

std::string Schreiben(const std::vector<Tabelle>& tabellen, const Format& format);

// Writes the file through the program's one safe-save routine; false with
// the reason.
bool DateiSchreiben(const std::string& pfad, const std::vector<Tabelle>& tabellen, const Format& format,
                    std::string& fehler);

}  // namespace csv
