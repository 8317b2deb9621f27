#include "TextScan.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace text {

bool IstLeer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

void LeerUeberspringen(std::string_view s, std::size_t& pos) {
  while (pos < s.size() && IstLeer(s[pos])) ++pos;
}

}  // namespace

bool ZahlLesen(std::string_view s, std::size_t& pos, float& wert) {
  std::size_t i = pos;
  bool negativ = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negativ = s[i] == '-';
    ++i;
  }
  const std::size_t anfang = i;
  std::size_t ziffern = 0;
  while (i < s.size() && IstZiffer(s[i])) {
    ++i;
    ++ziffern;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IstZiffer(s[i])) {
      ++i;
      ++ziffern;
    }
  }
  if (ziffern == 0) return false;
  // An exponent counts only with at least one digit; "1e" reads as 1.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IstZiffer(s[j])) {
      while (j < s.size() && IstZiffer(s[j])) ++j;
      i = j;
    }
  }
  const char* erstes = s.data() + anfang;
  const char* letztes = s.data() + i;
  float f = 0.0f;
  const auto r = std::from_chars(erstes, letztes, f, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Tell an underflow (read as 0, as C does) from an overflow (refused).
    double d = 0.0;
    const auto rd = std::from_chars(erstes, letztes, d, std::chars_format::general);
    if (rd.ec == std::errc{} && std::fabs(d) < 1.0) {
      f = static_cast<float>(d);
    } else if (rd.ec == std::errc::result_out_of_range) {
      // Even a double cannot hold it: decide by the sign of the exponent.
      const std::string_view text(erstes, static_cast<std::size_t>(letztes - erstes));
      const auto e = text.find_first_of("eE");
      if (e == std::string_view::npos || e + 1 >= text.size() || text[e + 1] != '-') return false;
      f = 0.0f;
    } else {
      return false;
    }
  } else if (r.ec != std::errc{} || r.ptr != letztes) {
    return false;
  }
  wert = negativ ? -f : f;
  pos = i;
  return true;
}

int ScanListe(std::string_view s, std::string_view format, ScanZiel* ziele, int anzahl) {
  int gelesen = 0;
  int ziel = 0;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char f = format[i];
    if (IstLeer(f)) {
      LeerUeberspringen(s, pos);
      continue;
    }
    if (f != '%' || i + 1 >= format.size()) {
      if (pos < s.size() && s[pos] == f) {
        ++pos;
        continue;
      }
      break;
    }
    const char art = format[++i];
    if (ziel >= anzahl) break;
    LeerUeberspringen(s, pos);
    if (pos >= s.size()) return gelesen == 0 ? -1 : gelesen;  // input ends
    if (art == 'f') {
      float wert = 0.0f;
      if (!ZahlLesen(s, pos, wert)) break;
      *ziele[ziel++].float_ = wert;
    } else if (art == 's') {
      const std::size_t anfang = pos;
      while (pos < s.size() && !IstLeer(s[pos])) ++pos;
      ziele[ziel++].text_->assign(s.substr(anfang, pos - anfang));
    } else {
      break;
    }
    ++gelesen;
  }
  return gelesen;
}

}  // namespace text
