#include "LasZeilen.h"

#include <cstring>
#include <utility>

#include "TextFormat.h"

namespace bohrung {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 20;

}  // namespace

Zeilenart Art(std::string_view inhalt, char& abschnitt) {
  std::size_t i = 0;
  while (i < inhalt.size() && IstLeerzeichen(inhalt[i])) ++i;
  if (i == inhalt.size()) return Zeilenart::Leer;
  if (inhalt[i] == '#') return Zeilenart::Kommentar;
  if (inhalt[i] != '~') return Zeilenart::Inhalt;
  const char c = i + 1 < inhalt.size() ? inhalt[i + 1] : '?';
  abschnitt = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return Zeilenart::Abschnitt;
}

std::string_view Inhalt(const Laszeile& z) {
  std::string_view s = z.inhalt;
  if (z.nummer == 1 && s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
  return s;
}

void Pruefsumme::Wort(std::uint64_t w) {
  h_ ^= w;
  h_ *= 0x9E3779B97F4A7C15ull;
  h_ ^= h_ >> 29;
}

void Pruefsumme::Hinzufuegen(std::string_view bytes) {
  laenge_ += bytes.size();
  std::size_t i = 0;
  // First complete a word begun by the previous piece.
  while (restBytes_ > 0 && restBytes_ < 8 && i < bytes.size()) {
    rest_ |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i++])) << (8 * restBytes_);
    ++restBytes_;
  }
  if (restBytes_ == 8) {
    Wort(rest_);
    rest_ = 0;
    restBytes_ = 0;
  }
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t w = 0;
    for (int b = 0; b < 8; ++b) w |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i + b])) << (8 * b);
    Wort(w);
  }
  for (; i < bytes.size(); ++i) {
    rest_ |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * restBytes_);
    ++restBytes_;
  }
}

std::uint64_t Pruefsumme::Wert() const {
  Pruefsumme s = *this;
  s.Wort(s.rest_ ^ (static_cast<std::uint64_t>(s.restBytes_) << 56));
  s.Wort(s.laenge_);
  return s.h_;
}

Zeilenquelle::Zeilenquelle(std::string_view bytes, std::string name)
    : name_(std::move(name)), daten_(bytes), dateiende_(true) {}

Zeilenquelle::Zeilenquelle(std::string pfad) : name_(std::move(pfad)), ausDatei_(true) {}

bool Zeilenquelle::Oeffnen(std::string& fehler) {
  if (!ausDatei_) {
    if (daten_.size() > text::kMaxDateiGroesse) {
      const long long mb = static_cast<long long>(text::kMaxDateiGroesse >> 20);
      fehler = name_.empty() ? text::Format("Die Datei ist größer als %d MB und wird nicht gelesen.", mb)
                             : text::Format("Die Datei %s ist größer als %d MB und wird nicht gelesen.", name_, mb);
      return false;
    }
    groesse_ = daten_.size();
    summe_.Hinzufuegen(daten_);
    return true;
  }
  if (!datei_.Oeffnen(name_, fehler)) return false;
  puffer_.resize(kBlock);
  daten_ = std::string_view(puffer_.data(), 0);
  return true;
}

bool Zeilenquelle::Nachladen(std::string& fehler) {
  const std::size_t uebrig = daten_.size() - pos_;
  if (pos_ > 0 && uebrig > 0) std::memmove(puffer_.data(), puffer_.data() + pos_, uebrig);
  pos_ = 0;
  // A line longer than the buffer doubles it.
  if (uebrig == puffer_.size()) puffer_.resize(2 * puffer_.size());
  std::size_t gelesen = 0;
  if (!datei_.Lesen(puffer_.data() + uebrig, puffer_.size() - uebrig, gelesen, fehler)) return false;
  if (gelesen == 0) dateiende_ = true;
  const std::string_view neu(puffer_.data() + uebrig, gelesen);
  summe_.Hinzufuegen(neu);
  groesse_ += gelesen;
  daten_ = std::string_view(puffer_.data(), uebrig + gelesen);
  return true;
}

bool Zeilenquelle::Naechste(Laszeile& zeile, std::string& fehler) {
  for (;;) {
    const char* anfang = daten_.data() + pos_;
    const char* schluss = daten_.data() + daten_.size();
    const void* lf =
        pos_ < daten_.size() ? std::memchr(anfang, '\n', static_cast<std::size_t>(schluss - anfang)) : nullptr;
    const char* grenze = lf ? static_cast<const char*>(lf) : schluss;
    const void* cr = anfang < grenze ? std::memchr(anfang, '\r', static_cast<std::size_t>(grenze - anfang)) : nullptr;
    const char* ende = cr ? static_cast<const char*>(cr) : static_cast<const char*>(lf);
    if (ende != nullptr) {
      std::size_t laenge = 1;
      if (*ende == '\r') {
        if (ende + 1 == schluss && !dateiende_) {
          // Whether a LF follows shows only with the next block.
          if (!Nachladen(fehler)) return false;
          continue;
        }
        if (ende + 1 < schluss && ende[1] == '\n') laenge = 2;
      }
      const std::size_t e = static_cast<std::size_t>(ende - daten_.data());
      zeile.inhalt = daten_.substr(pos_, e - pos_);
      zeile.ende = daten_.substr(e, laenge);
      zeile.nummer = ++nummer_;
      pos_ = e + laenge;
      return true;
    }
    if (dateiende_) {
      if (pos_ >= daten_.size()) return false;
      zeile.inhalt = daten_.substr(pos_);
      zeile.ende = std::string_view();
      zeile.nummer = ++nummer_;
      pos_ = daten_.size();
      return true;
    }
    if (!Nachladen(fehler)) return false;
  }
}

}  // namespace bohrung
