#include "Kopfzusatz.h"

#include <vector>

#include "TextScan.h"

namespace kopfzeile {

namespace {

std::vector<std::string_view> Woerter(std::string_view zeile) {
  std::vector<std::string_view> woerter;
  std::size_t i = 0;
  while (i < zeile.size()) {
    while (i < zeile.size() && text::IstLeer(zeile[i])) ++i;
    const std::size_t anfang = i;
    while (i < zeile.size() && !text::IstLeer(zeile[i])) ++i;
    if (i > anfang) woerter.push_back(zeile.substr(anfang, i - anfang));
  }
  return woerter;
}

// A word that is one number and nothing else.
std::optional<float> Zahlwort(std::string_view wort) {
  std::size_t pos = 0;
  float wert = 0.0f;
  if (!text::ZahlLesen(wort, pos, wert) || pos != wort.size()) return std::nullopt;
  return wert;
}

void Fehler(Kopfzusatz& z, const char* text) {
  if (z.Fehler.empty()) z.Fehler = text;
}

}  // namespace

bool IstZusatzwort(std::string_view wort) { return wort == kPorositaetWort || wort == kSchliessdruckWort; }

Kopfzusatz Lesen(std::string_view zeile) {
  Kopfzusatz z;
  const std::vector<std::string_view> w = Woerter(zeile);
  // w[0] keyword, w[1] permeability, w[2] label.
  if (w.size() > 2 && IstZusatzwort(w[2])) {
    Fehler(z, kKopfzusatzOhneKern);
    return z;
  }
  bool porositaet = false;
  bool schliessdruck = false;
  for (std::size_t i = 3; i < w.size(); ++i) {
    if (!IstZusatzwort(w[i])) continue;
    const bool istPorositaet = w[i] == kPorositaetWort;
    bool& gesehen = istPorositaet ? porositaet : schliessdruck;
    if (gesehen) {
      Fehler(z, kKopfzusatzDoppelt);
      continue;
    }
    gesehen = true;
    const std::optional<float> wert = i + 1 < w.size() ? Zahlwort(w[i + 1]) : std::nullopt;
    if (wert) ++i;
    if (istPorositaet) {
      if (wert && *wert > 0.0f && *wert < 1.0f) {
        z.Porositaet = wert;
      } else {
        Fehler(z, kPorositaetAnteil);
      }
    } else if (wert && *wert > 0.0f) {
      z.Schliessdruck = wert;
    } else {
      Fehler(z, kSchliessdruckPositiv);
    }
  }
  return z;
}

}  // namespace kopfzeile
