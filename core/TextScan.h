#pragma once

#include <string>
#include <string_view>

namespace text {

// Blank in the sense of the C locale's isspace: blank, tab, line feed,
// vertical tab, form feed, carriage return.
bool IstLeer(char c);

// What ZahlErkennen found at a position.
enum class ZahlArt { Keine, Gelesen, Ausserhalb };

// Reads a number into a float as C's strtof does in the C locale, whatever
// the process locale is: optional sign, digits with "." as decimal point (at
// least one digit), optional exponent ("e" or "E", optional sign, at least
// one digit; "1e" reads as 1). The value is the float nearest to the decimal
// number, however many digits it has, so a tiny one reads as 0 or the
// nearest subnormal (keeping its sign). Gelesen advances pos past it.
// Ausserhalb (pos stays) for what strtof reads but a float cannot hold as a
// finite value: a number whose magnitude rounds beyond the float range, and
// "inf", "infinity", "nan" or "nan(...)" in any case with optional sign,
// unless a letter, digit or "_" follows them ("Info" is a word).
// Keine for anything else; hexadecimal numbers are not read ("0x1" reads as 0).
ZahlArt ZahlErkennen(std::string_view s, std::size_t& pos, float& wert);

// ZahlErkennen giving true for Gelesen only.
bool ZahlLesen(std::string_view s, std::size_t& pos, float& wert);

// The items a Scan call reads, in the order of the format.
class ScanZiel {
 public:
  ScanZiel(float* f) : float_(f) {}
  ScanZiel(std::string* s) : text_(s) {}
  float* float_ = nullptr;
  std::string* text_ = nullptr;
};

// Reads like sscanf with a format of "%f" and "%s" items separated by
// blanks: returns the number of items read, or -1 when the text ends (or is
// blank) before the first item. "%s" reads a word: a run of non-blank
// characters of any length. A "%f" that meets a number a float cannot hold
// (ZahlArt::Ausserhalb) ends the scan there and sets *ausserhalb.
int ScanListe(std::string_view s, std::string_view format, ScanZiel* ziele, int anzahl, bool* ausserhalb = nullptr);

template <typename... Ziele>
int Scan(std::string_view s, std::string_view format, Ziele... ziele) {
  ScanZiel liste[] = {ScanZiel(ziele)...};
  return ScanListe(s, format, liste, static_cast<int>(sizeof...(ziele)));
}

// Scan that also tells whether it stopped at a number beyond float range:
// readers treat such a line as faulty instead of as one without numbers.
template <typename... Ziele>
int ScanGeprueft(std::string_view s, std::string_view format, bool& ausserhalb, Ziele... ziele) {
  ScanZiel liste[] = {ScanZiel(ziele)...};
  ausserhalb = false;
  return ScanListe(s, format, liste, static_cast<int>(sizeof...(ziele)), &ausserhalb);
}

}  // namespace text
