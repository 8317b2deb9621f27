#include "BohrungStudie.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>

#include "TextFormat.h"

namespace bohrung {

namespace {

constexpr const char* kSchluessel[] = {kStudieDatei, kStudieFwl, kStudieKurven};

// The key of a line "Schlüssel=Wert", or the whole line without "=".
std::string_view Schluessel(std::string_view zeile) { return zeile.substr(0, zeile.find('=')); }

bool EigenerSchluessel(std::string_view s) {
  return std::any_of(std::begin(kSchluessel), std::end(kSchluessel), [s](const char* k) { return s == k; });
}

bool GleichOhneFall(std::string_view a, std::string_view b) {
  const auto gross = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return gross(x) == gross(y); });
}

std::optional<Tiefeneinheit> Einheit(std::string_view e) {
  if (GleichOhneFall(e, "M")) return Tiefeneinheit::Meter;
  for (std::string_view f : {"F", "FT", "FEET"}) {
    if (GleichOhneFall(e, f)) return Tiefeneinheit::Fuss;
  }
  return std::nullopt;
}

// A number as the study block stores it: exactly the text of Zahltext.
bool StrengLesen(std::string_view text, double& wert) {
  if (text.empty() || text.front() == '+') return false;
  double w = 0.0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), w);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(w)) return false;
  wert = w;
  return true;
}

}  // namespace

std::string Zahltext(double w) {
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, w);
  return std::string(puffer, r.ptr);
}

void StudieEntfernen(Textliste& studie) {
  std::erase_if(studie, [](const std::string& z) { return EigenerSchluessel(Schluessel(z)); });
}

bool StudieEnthaelt(const Textliste& studie) {
  return std::any_of(studie.begin(), studie.end(),
                     [](const std::string& z) { return EigenerSchluessel(Schluessel(z)); });
}

void StudieSchreiben(const Bohrungsstudie& s, Textliste& studie) {
  StudieEntfernen(studie);
  std::string datei = std::string(kStudieDatei) + "=";
  datei += s.datei;
  studie.push_back(std::move(datei));
  std::string fwl = std::string(kStudieFwl) + "=";
  fwl += Zahltext(s.fwl);
  fwl += ' ';
  fwl += s.fwlEinheit;
  studie.push_back(std::move(fwl));
  std::string kurven = std::string(kStudieKurven) + "=";
  kurven += s.porositaet;
  kurven += ',';
  kurven += s.permeabilitaet;
  studie.push_back(std::move(kurven));
}

bool StudieLesen(const Textliste& studie, Bohrungsstudie& s, std::string& fehler) {
  Bohrungsstudie neu;
  bool gelesen[3] = {false, false, false};
  const auto ungueltig = [&](const std::string& zeile, const std::string& grund) {
    fehler = text::Format("Die Einstellung \"%s\" der Studie ist ungültig!\n%s", zeile, grund);
    return false;
  };
  for (const std::string& zeile : studie) {
    const std::string_view name = Schluessel(zeile);
    const auto nummer = static_cast<std::size_t>(
        std::find_if(std::begin(kSchluessel), std::end(kSchluessel), [name](const char* k) { return name == k; }) -
        std::begin(kSchluessel));
    if (nummer >= 3) continue;
    if (zeile.size() == name.size()) return ungueltig(zeile, "Es fehlt das Gleichheitszeichen.");
    if (gelesen[nummer]) return ungueltig(zeile, "Der Schlüssel steht zweimal.");
    gelesen[nummer] = true;
    const std::string_view wert = std::string_view(zeile).substr(name.size() + 1);
    if (nummer == 0) {
      if (wert.empty()) return ungueltig(zeile, "Es fehlt der Name der Datei.");
      neu.datei = std::string(wert);
    } else if (nummer == 1) {
      const std::size_t leer = wert.find(' ');
      if (leer == std::string_view::npos || !StrengLesen(wert.substr(0, leer), neu.fwl) ||
          !Einheit(wert.substr(leer + 1))) {
        return ungueltig(zeile, "Erwartet: die Tiefe und ihre Einheit, etwa \"2140 M\" oder \"7020.5 FT\".");
      }
      neu.fwlEinheit = std::string(wert.substr(leer + 1));
    } else {
      Kurvenwahl w;
      std::string grund;
      if (!KurvenwahlLesen(wert, w, grund)) return ungueltig(zeile, grund);
      neu.porositaet = w.porositaet;
      neu.permeabilitaet = w.permeabilitaet;
    }
  }
  for (std::size_t i = 0; i < 3; ++i) {
    if (!gelesen[i]) {
      fehler = text::Format("Der Studie fehlt die Einstellung \"%s\".", kSchluessel[i]);
      return false;
    }
  }
  s = std::move(neu);
  return true;
}

Kurvenwahl Wahl(const Bohrungsstudie& s) { return {s.porositaet, s.permeabilitaet}; }

bool GleicheTiefeneinheit(std::string_view fwlEinheit, const Kopf& kopf) {
  const std::optional<Tiefeneinheit> e = Einheit(fwlEinheit);
  return e && *e == kopf.tiefeneinheit;
}

std::string FwlFeld(const Kopf& kopf) {
  std::string feld = "FWL (";
  feld += kopf.Tiefeneinheitstext();
  feld += ')';
  return feld;
}

bool FwlLesen(std::string_view text, const Kopf& kopf, double& fwl, std::string& fehler) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::string zahl(text);
  std::replace(zahl.begin(), zahl.end(), ',', '.');
  double w = 0.0;
  const char* anfang = zahl.data();
  if (!zahl.empty() && zahl.front() == '+') ++anfang;
  const auto r = std::from_chars(anfang, zahl.data() + zahl.size(), w);
  if (zahl.empty() || r.ec != std::errc() || r.ptr != zahl.data() + zahl.size() || !std::isfinite(w)) {
    fehler = text::Format(
        "Im Feld \"%s\" steht keine Zahl!\nErlaubt: die Tiefe des freien Wasserspiegels in %s, der "
        "Tiefeneinheit des Logs.",
        FwlFeld(kopf), kopf.Tiefeneinheitstext());
    return false;
  }
  fwl = w;
  return true;
}

}  // namespace bohrung
