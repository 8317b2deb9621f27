#include "Studienbedingungen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace lagerstaette {

namespace {

constexpr const char* kNamen[kFelder] = {"SigmaLabor",        "ThetaLabor", "SigmaLagerstaette",
                                         "ThetaLagerstaette", "RhoWasser",  "RhoKW"};
constexpr const char* kSchliessdruck = "Schliessdruck";

std::string Schluessel(const char* name) { return std::string(kStudienpraefix) + name; }

std::string Text(double w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
}

// The value of `schluessel`: the text after "=" on its last line; none
// without such a line.
std::optional<std::string_view> Eintrag(const Textliste& studie, const std::string& schluessel) {
  std::optional<std::string_view> wert;
  for (const std::string& zeile : studie) {
    if (zeile.size() > schluessel.size() && zeile.compare(0, schluessel.size(), schluessel) == 0 &&
        zeile[schluessel.size()] == '=') {
      wert = std::string_view(zeile).substr(schluessel.size() + 1);
    }
  }
  return wert;
}

bool Zahl(std::string_view text, double& w) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), w);
  return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size() && std::isfinite(w);
}

// Puts "schluessel=wert" in place of the key's lines (the first one stays,
// the others go), or at the end; with no value, removes them all.
void Setzen(Textliste& studie, const std::string& schluessel, const std::optional<std::string>& wert) {
  const std::string anfang = schluessel + "=";
  bool gesetzt = false;
  for (auto it = studie.begin(); it != studie.end();) {
    if (it->compare(0, anfang.size(), anfang) != 0) {
      ++it;
      continue;
    }
    if (wert && !gesetzt) {
      *it = anfang + *wert;
      gesetzt = true;
      ++it;
    } else {
      it = studie.erase(it);
    }
  }
  if (wert && !gesetzt) studie.push_back(anfang + *wert);
}

}  // namespace

std::optional<Studienbedingungen> StudieLesen(const Textliste& studie) {
  Studienbedingungen s;
  for (int feld = 0; feld < kFelder; ++feld) {
    const auto text = Eintrag(studie, Schluessel(kNamen[feld]));
    if (!text || !Zahl(*text, Wert(s.bedingungen, feld))) return std::nullopt;
  }
  std::string fehler;
  if (!Pruefen(s.bedingungen, fehler)) return std::nullopt;
  if (const auto text = Eintrag(studie, Schluessel(kSchliessdruck))) {
    double w = 0.0;
    if (!Zahl(*text, w) || !(w > 0.0) || w > std::numeric_limits<float>::max()) return std::nullopt;
    s.schliessdruck = w;
  }
  return s;
}

void StudieSchreiben(Textliste& studie, const Studienbedingungen& s) {
  for (int feld = 0; feld < kFelder; ++feld) {
    Setzen(studie, Schluessel(kNamen[feld]), Text(Wert(s.bedingungen, feld)));
  }
  Setzen(studie, Schluessel(kSchliessdruck), s.schliessdruck ? std::optional(Text(*s.schliessdruck)) : std::nullopt);
}

}  // namespace lagerstaette
