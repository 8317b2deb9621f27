#include "CsvSchreiber.h"

#include <charconv>
#include <system_error>

#include "Textdatei.h"

namespace csv {

namespace {

template <typename T>
std::string ZahlText(T wert, char dezimal) {
  char puffer[64];
  const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
  std::string text(puffer, ec == std::errc() ? ende : puffer);
  if (dezimal != '.') {
    for (char& c : text) c = c == '.' ? dezimal : c;
  }
  return text;
}

}  // namespace

std::string Zahl(float wert, char dezimal) { return ZahlText(wert, dezimal); }

std::string Zahl(double wert, char dezimal) { return ZahlText(wert, dezimal); }

std::string Feld(const std::string& text, char trenner) {
  if (text.find_first_of(std::string{trenner, '"', '\r', '\n'}) == std::string::npos) return text;
  std::string aus = "\"";
  for (const char c : text) {
    if (c == '"') aus += '"';
    aus += c;
  }
  return aus + '"';
}

std::string Schreiben(const std::vector<Tabelle>& tabellen, const Format& format) {
  std::string aus = format.bom ? "\xEF\xBB\xBF" : "";
  const auto zeile = [&](const std::vector<std::string>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
      if (i > 0) aus += format.trenner;
      aus += Feld(felder[i], format.trenner);
    }
    aus += "\r\n";
  };
  for (std::size_t t = 0; t < tabellen.size(); ++t) {
    if (t > 0) aus += "\r\n";
    zeile({tabellen[t].titel});
    zeile(tabellen[t].spalten);
    for (const auto& werte : tabellen[t].zeilen) {
      std::vector<std::string> felder;
      for (const Wert& w : werte) {
        if (const auto* f = std::get_if<float>(&w)) {
          felder.push_back(Zahl(*f, format.dezimal));
        } else if (const auto* d = std::get_if<double>(&w)) {
          felder.push_back(Zahl(*d, format.dezimal));
        } else {
          felder.push_back(std::get<std::string>(w));
        }
      }
      zeile(felder);
    }
  }
  return aus;
}

bool DateiSchreiben(const std::string& pfad, const std::vector<Tabelle>& tabellen, const Format& format,
                    std::string& fehler) {
  return text::DateiSchreiben(pfad, Schreiben(tabellen, format), fehler);
}

}  // namespace csv
