#include "Cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "TextFormat.h"

namespace text {
namespace {

// Code points of the bytes 0x80 to 0x9F; the unassigned ones keep their own
// number (0x81, 0x8D, 0x8F, 0x90, 0x9D).
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes one UTF-8 character at pos; returns false for malformed input.
bool Utf8Dekodieren(std::string_view s, std::size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int folge = 0;
  char32_t wert = 0;
  char32_t minimum = 0;
  if (b0 < 0x80) {
    cp = b0;
    ++pos;
    return true;
  } else if ((b0 & 0xE0) == 0xC0) {
    folge = 1;
    wert = b0 & 0x1F;
    minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    folge = 2;
    wert = b0 & 0x0F;
    minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    folge = 3;
    wert = b0 & 0x07;
    minimum = 0x10000;
  } else {
    return false;
  }
  if (pos + static_cast<std::size_t>(folge) >= s.size()) return false;
  for (int k = 1; k <= folge; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(k)]);
    if ((b & 0xC0) != 0x80) return false;
    wert = (wert << 6) | (b & 0x3F);
  }
  if (wert < minimum || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return false;
  cp = wert;
  pos += static_cast<std::size_t>(folge) + 1;
  return true;
}

}  // namespace

void Utf8Anhaengen(std::string& aus, char32_t cp) {
  if (cp < 0x80) {
    aus += static_cast<char>(cp);
  } else if (cp < 0x800) {
    aus += static_cast<char>(0xC0 | (cp >> 6));
    aus += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    aus += static_cast<char>(0xE0 | (cp >> 12));
    aus += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    aus += static_cast<char>(0xF0 | (cp >> 18));
    aus += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    aus += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Cp1252NachUtf8(std::string_view bytes) {
  std::string aus;
  aus.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      aus += c;
    } else if (b < 0xA0) {
      Utf8Anhaengen(aus, kObereSteuerzeichen[b - 0x80]);
    } else {
      Utf8Anhaengen(aus, b);
    }
  }
  return aus;
}

bool Utf8NachUtf16(std::string_view utf8, std::u16string& aus) {
  aus.clear();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    if (!Utf8Dekodieren(utf8, pos, cp)) return false;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      aus += static_cast<char16_t>(0xD800 + (cp >> 10));
      aus += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      aus += static_cast<char16_t>(cp);
    }
  }
  return true;
}

bool Utf8NachCp1252(std::string_view utf8, std::string& bytes, std::string* fehler) {
  bytes.clear();
  bytes.reserve(utf8.size());
  std::size_t pos = 0;
  std::size_t zeichen = 0;
  while (pos < utf8.size()) {
    ++zeichen;
    const std::size_t anfang = pos;
    char32_t cp = 0;
    if (!Utf8Dekodieren(utf8, pos, cp)) {
      if (fehler) *fehler = Format("Ungültige UTF-8-Folge an der Stelle %d", static_cast<long long>(zeichen));
      return false;
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      bytes += static_cast<char>(cp);
      continue;
    }
    bool gefunden = false;
    for (std::size_t k = 0; k < kObereSteuerzeichen.size(); ++k) {
      if (kObereSteuerzeichen[k] == cp) {
        bytes += static_cast<char>(0x80 + k);
        gefunden = true;
        break;
      }
    }
    if (!gefunden) {
      if (fehler) {
        *fehler = Format(
            "Das Zeichen \"%s\" (U+%s) an der Stelle %d ist im Zeichensatz Windows-1252 nicht darstellbar",
            std::string(utf8.substr(anfang, pos - anfang)),
            [cp] {
              char hex[16];
              std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(cp));
              return std::string(hex);
            }(),
            static_cast<long long>(zeichen));
      }
      return false;
    }
  }
  return true;
}

bool IstUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t cp = 0;
  while (pos < bytes.size()) {
    if (!Utf8Dekodieren(bytes, pos, cp)) return false;
  }
  return true;
}

std::size_t Zeichenzahl(std::string_view utf8) {
  std::size_t pos = 0;
  std::size_t n = 0;
  char32_t cp = 0;
  while (pos < utf8.size()) {
    if (!Utf8Dekodieren(utf8, pos, cp)) ++pos;
    ++n;
  }
  return n;
}

}  // namespace text
