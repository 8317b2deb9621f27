#pragma once

#include <string>
#include <vector>

#include "CsvSchreiber.h"

// The body of a written table: its lines after the title and header rows.
inline std::vector<std::string> CsvZeilen(const csv::Tabelle& t, const csv::Format& format = {}) {
  const std::string text = csv::Schreiben({t}, format);
  std::vector<std::string> zeilen;
  std::size_t anfang = 0;
  for (std::size_t ende; (ende = text.find("\r\n", anfang)) != std::string::npos; anfang = ende + 2) {
    zeilen.push_back(text.substr(anfang, ende - anfang));
  }
  return zeilen;
}
