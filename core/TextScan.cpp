#include "TextScan.h"

#include <charconv>
#include <algorithm>
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

namespace {

bool IstWortzeichen(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IstZiffer(c) || c == '_'; }

bool BeginntMit(std::string_view s, std::size_t i, std::string_view klein) {
  if (s.size() - i < klein.size()) return false;
  for (std::size_t k = 0; k < klein.size(); ++k) {
    const char c = s[i + k];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != klein[k]) return false;
  }
  return true;
}

// Tells whether an infinity or NaN as strtof reads it stands at i, ending
// at a word border.
bool IstNichtEndlich(std::string_view s, std::size_t i) {
  std::size_t ende = 0;
  if (BeginntMit(s, i, "infinity")) {
    ende = i + 8;
  } else if (BeginntMit(s, i, "inf")) {
    ende = i + 3;
  } else if (BeginntMit(s, i, "nan")) {
    ende = i + 3;
    if (ende < s.size() && s[ende] == '(') {
      std::size_t j = ende + 1;
      while (j < s.size() && IstWortzeichen(s[j])) ++j;
      if (j < s.size() && s[j] == ')') ende = j + 1;
    }
  } else {
    return false;
  }
  return ende >= s.size() || !IstWortzeichen(s[ende]);
}

// Tells whether the decimal number (digits, point, exponent as ZahlErkennen
// accepted them; at least one digit not zero) is at least 1, from its
// leading digit's power of ten, without reading the value.
bool MindestensEins(std::string_view zahl) {
  constexpr long long kGrenze = 1'000'000'000'000LL;  // far beyond any float exponent
  long long vorPunkt = 0;                             // significant digits before the point
  long long nullenNach = 0;                           // zeros after the point before the first other digit
  bool nachPunkt = false;
  bool gefunden = false;
  std::size_t i = 0;
  for (; i < zahl.size() && zahl[i] != 'e' && zahl[i] != 'E'; ++i) {
    const char c = zahl[i];
    if (c == '.') {
      nachPunkt = true;
    } else if (!nachPunkt) {
      if (c != '0' || gefunden) {
        gefunden = true;
        vorPunkt = std::min(vorPunkt + 1, kGrenze);
      }
    } else if (!gefunden) {
      if (c != '0') {
        gefunden = true;
      } else {
        nullenNach = std::min(nullenNach + 1, kGrenze);
      }
    }
  }
  // Power of ten of the leading digit, then the exponent.
  long long stelle = vorPunkt > 0 ? vorPunkt - 1 : -(nullenNach + 1);
  if (i < zahl.size()) {
    ++i;
    const bool negativ = i < zahl.size() && zahl[i] == '-';
    if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-')) ++i;
    long long exponent = 0;
    for (; i < zahl.size(); ++i) exponent = std::min(exponent * 10 + (zahl[i] - '0'), kGrenze);
    stelle += negativ ? -exponent : exponent;
  }
  return stelle >= 0;
}

}  // namespace

ZahlArt ZahlErkennen(std::string_view s, std::size_t& pos, float& wert) {
  std::size_t i = pos;
  bool negativ = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negativ = s[i] == '-';
    ++i;
  }
  if (IstNichtEndlich(s, i)) return ZahlArt::Ausserhalb;
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
  if (ziffern == 0) return ZahlArt::Keine;
  // An exponent counts only with at least one digit; "1e" reads as 1.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IstZiffer(s[j])) {
      while (j < s.size() && IstZiffer(s[j])) ++j;
      i = j;
    }
  }
  const std::string_view text = s.substr(anfang, i - anfang);
  float f = 0.0f;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), f, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Beyond the range either way: too large is refused, too small is 0
    // (from_chars already gives the subnormals).
    if (MindestensEins(text)) return ZahlArt::Ausserhalb;
    f = 0.0f;
  } else if (r.ec != std::errc{} || r.ptr != text.data() + text.size()) {
    return ZahlArt::Keine;
  }
  wert = negativ ? -f : f;
  pos = i;
  return ZahlArt::Gelesen;
}

bool ZahlLesen(std::string_view s, std::size_t& pos, float& wert) {
  return ZahlErkennen(s, pos, wert) == ZahlArt::Gelesen;
}

int ScanListe(std::string_view s, std::string_view format, ScanZiel* ziele, int anzahl, bool* ausserhalb) {
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
      const ZahlArt art = ZahlErkennen(s, pos, wert);
      if (art == ZahlArt::Ausserhalb && ausserhalb != nullptr) *ausserhalb = true;
      if (art != ZahlArt::Gelesen) break;
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
