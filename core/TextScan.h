#pragma once

#include <string>
#include <string_view>

namespace text {

// Blank in the sense of the C locale's isspace: blank, tab, line feed,
// vertical tab, form feed, carriage return.
bool IstLeer(char c);

// Reads a number as C's scanf "%f" does into a float, independent of the
// process locale: optional sign, digits with "." as decimal point, optional
// exponent. "inf", "nan" and hexadecimal numbers are not numbers. A value too
// large for a float is not read as a number; a tiny one becomes 0.
// On success advances pos past the number and returns true.
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
// characters of any length.
int ScanListe(std::string_view s, std::string_view format, ScanZiel* ziele, int anzahl);

template <typename... Ziele>
int Scan(std::string_view s, std::string_view format, Ziele... ziele) {
  ScanZiel liste[] = {ScanZiel(ziele)...};
  return ScanListe(s, format, liste, static_cast<int>(sizeof...(ziele)));
}

}  // namespace text
