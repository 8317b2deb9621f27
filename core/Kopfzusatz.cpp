#include "Kopfzusatz.h"

#include <vector>

#include "TextScan.h"

namespace kopfzeile {

namespace {

// The words of the text from `pos` on.
std::vector<std::string_view> Woerter(std::string_view zeile, std::size_t pos = 0) {
  std::vector<std::string_view> woerter;
  while (pos < zeile.size()) {
    while (pos < zeile.size() && text::IstLeer(zeile[pos])) ++pos;
    const std::size_t anfang = pos;
    while (pos < zeile.size() && !text::IstLeer(zeile[pos])) ++pos;
    if (pos > anfang) woerter.push_back(zeile.substr(anfang, pos - anfang));
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

std::vector<std::string_view> Kopfwoerter(std::string_view zeile) {
  std::vector<std::string_view> w = Woerter(zeile);
  if (w.size() < 2) return w;
  const std::size_t zahlAnfang = static_cast<std::size_t>(w[1].data() - zeile.data());
  std::size_t pos = zahlAnfang;
  float zahl = 0.0f;
  if (!text::ZahlLesen(zeile, pos, zahl) || pos == zahlAnfang + w[1].size()) return w;
  // The label begins right after the number.
  std::vector<std::string_view> kopf = {w[0], zeile.substr(zahlAnfang, pos - zahlAnfang)};
  for (const std::string_view r : Woerter(zeile, pos)) kopf.push_back(r);
  return kopf;
}

bool IstZusatzwort(std::string_view wort) { return wort == kPorositaetWort || wort == kSchliessdruckWort; }

Kopfzusatz Lesen(std::string_view zeile) {
  Kopfzusatz z;
  const std::vector<std::string_view> w = Kopfwoerter(zeile);
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
