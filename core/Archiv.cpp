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
  std::size_t Position() const { return pos_; }

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
  ListeBeginnen(liste.size());
  for (const auto& zeile : liste) {
    if (!ZeileSchreiben(zeile)) return false;
  }
  return true;
}

void Archiv::ListeBeginnen(std::size_t anzahl) {
  listenAnfang_ = bytes_.size();
  geschrieben_ = 0;
  const auto n = static_cast<std::uint32_t>(anzahl);
  if (n < 0xFFFF) {
    Schreiben16(bytes_, n);
  } else {
    Schreiben16(bytes_, 0xFFFF);
    Schreiben32(bytes_, n);
  }
}

bool Archiv::ZeileSchreiben(const std::string& zeile) {
  std::string cp1252;
  std::string grund;
  if (!text::Utf8NachCp1252(zeile, cp1252, &grund)) {
    fehler_ = text::Format("Die %d.Zeile kann nicht gespeichert werden:\n%s", static_cast<long long>(geschrieben_ + 1),
                           grund);
    bytes_.resize(listenAnfang_);
    return false;
  }
  const auto n = static_cast<std::uint32_t>(cp1252.size());
  if (n < 0xFF) {
    bytes_ += static_cast<char>(n);
  } else if (n < 0xFFFE) {
    bytes_ += static_cast<char>(0xFF);
    Schreiben16(bytes_, n);
  } else {
    bytes_ += static_cast<char>(0xFF);
    Schreiben16(bytes_, 0xFFFF);
    Schreiben32(bytes_, n);
  }
  bytes_ += cp1252;
  ++geschrieben_;
  return true;
}

namespace {

// Reads the count and checks every line of the list: afterwards `l` stands at
// the first line. `ersteLeere` becomes the number of lines up to and with
// the first blank one (the count when there is none).
bool ListePruefen(Leser& l, std::uint32_t& anzahl, std::uint32_t& ersteLeere, std::string& fehler) {
  if (!l.Lesen16(anzahl)) {
    fehler = "Die Datei ist zu kurz für ein Kadrel-Dokument.";
    return false;
  }
  if (anzahl == 0xFFFF && !l.Lesen32(anzahl)) {
    fehler = "Die Datei endet in der Zeilenzahl.";
    return false;
  }
  // Every line needs at least its one-byte prefix: a larger count cannot be
  // genuine.
  if (anzahl > l.Rest()) {
    fehler = text::Format("Die Datei nennt %d Zeilen, enthält aber weniger.", static_cast<long long>(anzahl));
    return false;
  }
  const Leser anfang = l;
  ersteLeere = anzahl;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    std::uint32_t n = 0;
    bool breit = false;
    std::string_view inhalt;
    if (!LaengeLesen(l, n, breit) || !l.Bytes(breit ? 2ULL * n : n, inhalt)) {
      fehler = text::Format("Die Datei endet vorzeitig in der %d. von %d Zeilen.", static_cast<long long>(i + 1),
                            static_cast<long long>(anzahl));
      return false;
    }
    if (ersteLeere == anzahl && IstLeerzeile(inhalt, breit)) ersteLeere = i + 1;
  }
  l = anfang;
  return true;
}

// The next line of a list that ListePruefen accepted, in UTF-8.
std::string NaechsteZeile(Leser& l) {
  std::uint32_t n = 0;
  bool breit = false;
  std::string_view inhalt;
  LaengeLesen(l, n, breit);
  l.Bytes(breit ? 2ULL * n : n, inhalt);
  return breit ? Utf16NachUtf8(inhalt) : text::Cp1252NachUtf8(inhalt);
}

}  // namespace

bool Archiv::ListeLesen(Textliste& liste, bool bisLeerzeile) {
  // The whole file is checked first and the lines kept are counted, so the
  // list is built once at its exact size and never trusts the count alone.
  Leser l(laden_);
  std::uint32_t anzahl = 0;
  std::uint32_t ersteLeere = 0;
  if (!ListePruefen(l, anzahl, ersteLeere, fehler_)) return false;
  const std::uint32_t behalten = bisLeerzeile ? ersteLeere : anzahl;
  Textliste neu;
  neu.reserve(behalten);
  for (std::uint32_t i = 0; i < behalten; ++i) neu.push_back(NaechsteZeile(l));
  for (std::uint32_t i = behalten; i < anzahl; ++i) NaechsteZeile(l);
  listenEnde_ = l.Position();
  liste = std::move(neu);
  return true;
}

bool Archiv::ListeDurchgehen(const std::function<void(std::size_t anzahl)>& anzahl,
                             const std::function<void(std::string&& zeile)>& zeile) {
  Leser l(laden_);
  std::uint32_t n = 0;
  std::uint32_t ersteLeere = 0;
  if (!ListePruefen(l, n, ersteLeere, fehler_)) return false;
  anzahl(n);
  for (std::uint32_t i = 0; i < n; ++i) zeile(NaechsteZeile(l));
  listenEnde_ = l.Position();
  return true;
}

bool Archiv::StudieSchreiben(const Textliste& studie) {
  if (studie.empty()) return true;
  ListeBeginnen(studie.size() + 1);
  for (std::size_t i = 0; i <= studie.size(); ++i) {
    const std::string& zeile = i == 0 ? std::string(kStudienkennung) : studie[i - 1];
    std::u16string einheiten;
    if (!text::Utf8NachUtf16(zeile, einheiten)) {
      fehler_ = "Eine Einstellung der Studie ist kein gültiger Text.";
      bytes_.resize(listenAnfang_);
      return false;
    }
    // A 16-bit string: 0xFF, 0xFFFE, then its length in characters.
    bytes_ += static_cast<char>(0xFF);
    Schreiben16(bytes_, 0xFFFE);
    const auto n = static_cast<std::uint32_t>(einheiten.size());
    if (n < 0xFF) {
      bytes_ += static_cast<char>(n);
    } else if (n < 0xFFFF) {
      bytes_ += static_cast<char>(0xFF);
      Schreiben16(bytes_, n);
    } else {
      bytes_ += static_cast<char>(0xFF);
      Schreiben16(bytes_, 0xFFFF);
      Schreiben32(bytes_, n);
    }
    for (const char16_t e : einheiten) Schreiben16(bytes_, e);
  }
  return true;
}

Textliste Archiv::StudieLesen() const {
  if (speichern_ || listenEnde_ >= laden_.size()) return {};
  Leser l(laden_.substr(listenEnde_));
  std::uint32_t anzahl = 0;
  std::uint32_t ersteLeere = 0;
  std::string fehler;
  if (!ListePruefen(l, anzahl, ersteLeere, fehler) || anzahl == 0) return {};
  if (NaechsteZeile(l) != kStudienkennung) return {};
  Textliste studie;
  studie.reserve(anzahl - 1);
  for (std::uint32_t i = 1; i < anzahl; ++i) studie.push_back(NaechsteZeile(l));
  return studie;
}
