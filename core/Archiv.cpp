#include "Archiv.h"

#include <cstdint>

#include "Cp1252.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace {

void Schreiben16(std::string& b, std::uint32_t v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>((v >> 8) & 0xFF);
}

void Schreiben32(std::string& b, std::uint32_t v) {
  Schreiben16(b, v & 0xFFFF);
  Schreiben16(b, v >> 16);
}

// Reads little-endian fields from a byte string without running past its end.
class Leser {
 public:
  explicit Leser(std::string_view b) : b_(b) {}
  bool Lesen8(std::uint32_t& v) { return Lesen(1, v); }
  bool Lesen16(std::uint32_t& v) { return Lesen(2, v); }
  bool Lesen32(std::uint32_t& v) { return Lesen(4, v); }
  bool Bytes(std::size_t n, std::string_view& aus) {
    if (n > b_.size() - pos_) return false;
    aus = b_.substr(pos_, n);
    pos_ += n;
    return true;
  }
  std::size_t Rest() const { return b_.size() - pos_; }

 private:
  bool Lesen(std::size_t n, std::uint32_t& v) {
    if (n > b_.size() - pos_) return false;
    v = 0;
    for (std::size_t i = 0; i < n; ++i) {
      v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b_[pos_ + i])) << (8 * i);
    }
    pos_ += n;
    return true;
  }
  std::string_view b_;
  std::size_t pos_ = 0;
};

// Reads a length prefix; sets `breit` when it announces 16-bit characters.
bool LaengeLesen(Leser& l, std::uint32_t& n, bool& breit) {
  breit = false;
  if (!l.Lesen8(n)) return false;
  if (n < 0xFF) return true;
  if (!l.Lesen16(n)) return false;
  if (n == 0xFFFE) {
    // A string stored as 16-bit characters: its own prefix follows.
    breit = true;
    if (!l.Lesen8(n)) return false;
    if (n < 0xFF) return true;
    if (!l.Lesen16(n)) return false;
  }
  if (n < 0xFFFF) return true;
  return l.Lesen32(n);
}

std::string Utf16NachUtf8(std::string_view b) {
  std::string aus;
  for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
    char32_t cp = static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < b.size()) {
      const char32_t lo = static_cast<unsigned char>(b[i + 2]) | (static_cast<unsigned char>(b[i + 3]) << 8);
      if (lo >= 0xDC00 && lo <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
        i += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    text::Utf8Anhaengen(aus, cp);
  }
  return aus;
}

// Blank in the run's sense: only blanks of the C locale, in either encoding.
bool IstLeerzeile(std::string_view b, bool breit) {
  const std::size_t schritt = breit ? 2 : 1;
  for (std::size_t i = 0; i + schritt <= b.size(); i += schritt) {
    if (!text::IstLeer(b[i]) || (breit && b[i + 1] != 0)) return false;
  }
  return true;
}

}  // namespace

bool Archiv::ListeSchreiben(const Textliste& liste) {
  std::string aus;
  const auto anzahl = static_cast<std::uint32_t>(liste.size());
  if (anzahl < 0xFFFF) {
    Schreiben16(aus, anzahl);
  } else {
    Schreiben16(aus, 0xFFFF);
    Schreiben32(aus, anzahl);
  }
  std::string zeile;
  std::string grund;
  for (std::size_t i = 0; i < liste.size(); ++i) {
    if (!text::Utf8NachCp1252(liste[i], zeile, &grund)) {
      fehler_ = text::Format("Die %d.Zeile kann nicht gespeichert werden:\n%s", static_cast<long long>(i + 1), grund);
      return false;
    }
    const auto n = static_cast<std::uint32_t>(zeile.size());
    if (n < 0xFF) {
      aus += static_cast<char>(n);
    } else if (n < 0xFFFE) {
      aus += static_cast<char>(0xFF);
      Schreiben16(aus, n);
    } else {
      aus += static_cast<char>(0xFF);
      Schreiben16(aus, 0xFFFF);
      Schreiben32(aus, n);
    }
    aus += zeile;
  }
  bytes_ += aus;
  return true;
}

bool Archiv::ListeLesen(Textliste& liste, bool bisLeerzeile) {
  Leser l(laden_);
  std::uint32_t anzahl = 0;
  if (!l.Lesen16(anzahl)) {
    fehler_ = "Die Datei ist zu kurz für ein Kadrel-Dokument.";
    return false;
  }
  if (anzahl == 0xFFFF && !l.Lesen32(anzahl)) {
    fehler_ = "Die Datei endet in der Zeilenzahl.";
    return false;
  }
  // Every line needs at least its one-byte prefix: a larger count cannot be
  // genuine.
  if (anzahl > l.Rest()) {
    fehler_ = text::Format("Die Datei nennt %d Zeilen, enthält aber weniger.", static_cast<long long>(anzahl));
    return false;
  }
  // The first pass checks the whole file and counts the lines kept, so the
  // list is built once at its exact size and never trusts the count alone.
  const Leser anfang = l;
  std::uint32_t behalten = anzahl;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    std::uint32_t n = 0;
    bool breit = false;
    std::string_view inhalt;
    if (!LaengeLesen(l, n, breit) || !l.Bytes(breit ? 2ULL * n : n, inhalt)) {
      fehler_ = text::Format("Die Datei endet vorzeitig in der %d. von %d Zeilen.", static_cast<long long>(i + 1),
                             static_cast<long long>(anzahl));
      return false;
    }
    if (bisLeerzeile && behalten == anzahl && IstLeerzeile(inhalt, breit)) behalten = i + 1;
  }
  l = anfang;
  Textliste neu;
  neu.reserve(behalten);
  for (std::uint32_t i = 0; i < behalten; ++i) {
    std::uint32_t n = 0;
    bool breit = false;
    std::string_view inhalt;
    LaengeLesen(l, n, breit);
    l.Bytes(breit ? 2ULL * n : n, inhalt);
    neu.push_back(breit ? Utf16NachUtf8(inhalt) : text::Cp1252NachUtf8(inhalt));
  }
  liste = std::move(neu);
  return true;
}
