// The number scanner against strtof and the formatter against snprintf, both
// in the C locale, for every number format the program uses.
#include <locale.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzPlattform.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return c;
}

bool GleicheBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool IstHex(const std::string& s) {
  std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
  return s.size() > i + 1 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
}

bool IstWortzeichen(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

void ScannerPruefen(const std::string& s) {
  // Blanks before a number are the scan's business, not the scanner's.
  if (s.empty() || std::strchr(" \t\n\v\f\r", s[0]) != nullptr) return;
  std::size_t pos = 0;
  float wert = 0.0f;
  const text::ZahlArt art = text::ZahlErkennen(s, pos, wert);
  char* ende = nullptr;
  const float soll = strtof_l(s.c_str(), &ende, CLocale());
  const auto gelesen = static_cast<std::size_t>(ende - s.c_str());
  if (IstHex(s)) return;  // hexadecimal is not read; "0x1" reads as 0
  switch (art) {
    case text::ZahlArt::Gelesen:
      FUZZ_PRUEFEN(gelesen == pos);
      FUZZ_PRUEFEN(GleicheBits(wert, soll));
      break;
    case text::ZahlArt::Ausserhalb:
      FUZZ_PRUEFEN(gelesen > 0 && !std::isfinite(soll));
      FUZZ_PRUEFEN(pos == 0);
      break;
    case text::ZahlArt::Keine:
      // strtof reads nothing, or an infinity or NaN glued to a word.
      FUZZ_PRUEFEN(gelesen == 0 || (!std::isfinite(soll) && gelesen < s.size() && IstWortzeichen(s[gelesen])));
      break;
  }
}

// The number formats of the program's lists, messages and files.
const char* const kFormate[] = {"%f",     "%g",    "%6.3f",  "%+g",   "%9.3f",  "%8.4f", "%8.3f",
                                "%9.4f",  "%7.4f", "%15.5f", "%11g",  "%10.5f", "%8g",   "%7.3f",
                                "%6g",    "%6.2e", "%5g",    "%4.0f", "%13g",   "%12g",  "%12.4f",
                                "%11.4f", "%10g",  "%.9g",   "%.8g",  "%.7g",   "%.60g", "%.70e"};

// The C library's text with the program's exponents of at least three
// digits; the width applies to the widened text (the formats here have no
// "-" or "0" flag, so padding is blanks in front).
std::string Soll(const char* format, double w) {
  std::string ohneBreite;
  int breite = 0;
  const char* p = format;
  ohneBreite += *p++;  // '%'
  while (*p == '+') ohneBreite += *p++;
  while (*p >= '0' && *p <= '9') breite = breite * 10 + (*p++ - '0');
  ohneBreite += p;
  char puffer[512];
  std::snprintf(puffer, sizeof puffer, ohneBreite.c_str(), w);
  std::string s = puffer;
  const auto e = s.find_first_of("eE");
  if (e != std::string::npos && std::isfinite(w) && s.size() - (e + 2) < 3)
    s.insert(e + 2, 3 - (s.size() - (e + 2)), '0');
  if (static_cast<int>(s.size()) < breite) s.insert(0, static_cast<std::size_t>(breite) - s.size(), ' ');
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  // The scanner on the text of the input.
  ScannerPruefen(std::string(reinterpret_cast<const char*>(daten), laenge).c_str());

  // The formatter on the first eight bytes as a double, and as a float.
  if (laenge >= 8) {
    double d = 0.0;
    std::memcpy(&d, daten, sizeof d);
    const double werte[] = {d, static_cast<double>(static_cast<float>(d))};
    for (const double w : werte) {
      for (const char* f : kFormate) {
        const std::string ist = text::Format(f, w);
        const std::string soll = Soll(f, w);
        if (ist != soll) std::fprintf(stderr, "%s: \"%s\" != \"%s\"\n", f, ist.c_str(), soll.c_str());
        FUZZ_PRUEFEN(ist == soll);
      }
    }
  }
  return 0;
}
