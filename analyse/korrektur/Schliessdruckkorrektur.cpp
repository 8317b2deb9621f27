#include "Schliessdruckkorrektur.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "TextFormat.h"

bool KorrigierteKurven::Korrigiert() const {
  return std::any_of(korrektur.begin(), korrektur.end(), [](const Kurvenkorrektur& k) { return k.korrigiert; });
}

namespace korrektur {

namespace {

// Reads one number with "." or "," as decimal separator and blanks around
// it, independent of the process locale.
bool Zahl(std::string_view text, double& wert) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::string zahl(text);
  if (!zahl.empty() && zahl[0] == '+') zahl.erase(0, 1);
  if (zahl.empty() || zahl[0] == '+') return false;
  std::replace(zahl.begin(), zahl.end(), ',', '.');
  const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
  return r.ec == std::errc() && r.ptr == zahl.data() + zahl.size() && std::isfinite(wert);
}

}  // namespace

double SaettigungBei(const Messkurve& m, double pk) {
  const std::size_t n = std::min(m.Pc.size(), m.Shg.size());
  // The neighbours of pk by pressure, whatever the order of the points.
  std::optional<std::size_t> unten;
  std::optional<std::size_t> oben;
  for (std::size_t i = 0; i < n; ++i) {
    const double pc = m.Pc[i];
    if (pc <= pk) {
      if (!unten || pc > m.Pc[*unten] || (pc == m.Pc[*unten] && m.Shg[i] > m.Shg[*unten])) unten = i;
    } else if (pc > pk) {
      if (!oben || pc < m.Pc[*oben] || (pc == m.Pc[*oben] && m.Shg[i] < m.Shg[*oben])) oben = i;
    }
  }
  if (!unten) return 0.0;
  const double su = m.Shg[*unten];
  const double pu = m.Pc[*unten];
  if (!oben || !(pu > 0.0)) return su;
  const double po = m.Pc[*oben];
  const double t = (std::log10(pk) - std::log10(pu)) / (std::log10(po) - std::log10(pu));
  return su + t * (static_cast<double>(m.Shg[*oben]) - su);
}

Messkurve Korrigieren(const Messkurve& m, double pk, Kurvenkorrektur& wie) {
  // Compared and written in the precision of the curve's points, so that a
  // closure pressure on a measured point meets it exactly.
  const float pkf = static_cast<float>(pk);
  const double p = pkf;
  const double abzug = SaettigungBei(m, p);
  Messkurve k = m;
  k.Pc.assign(1, pkf);
  k.Shg.assign(1, 0.0f);
  int weggelassen = 0;
  const std::size_t n = std::min(m.Pc.size(), m.Shg.size());
  for (std::size_t i = 0; i < n; ++i) {
    // A pressure that is no number compares false both ways: it stays, as the reader kept it.
    if (m.Pc[i] <= pkf) {
      ++weggelassen;
      continue;
    }
    k.Pc.push_back(m.Pc[i]);
    k.Shg.push_back(static_cast<float>(std::max(0.0, static_cast<double>(m.Shg[i]) - abzug)));
  }
  std::size_t null = 0;
  while (null + 1 < k.Shg.size() && k.Shg[null + 1] == 0.0f) ++null;
  k.PcSperrdruck = k.Pc[null];
  wie.korrigiert = true;
  wie.Schliessdruck = p;
  wie.Abzug = abzug;
  wie.Weggelassen = weggelassen;
  return k;
}

KorrigierteKurven Korrigieren(const std::vector<Messkurve>& kurven, const std::optional<double>& fuerAlle) {
  KorrigierteKurven k;
  k.kurven.reserve(kurven.size());
  k.korrektur.reserve(kurven.size());
  for (const Messkurve& m : kurven) {
    Kurvenkorrektur wie;
    if (m.Zusatz.Schliessdruck) {
      k.kurven.push_back(Korrigieren(m, *m.Zusatz.Schliessdruck, wie));
      wie.ausKopfzeile = true;
    } else if (fuerAlle) {
      k.kurven.push_back(Korrigieren(m, *fuerAlle, wie));
    } else {
      k.kurven.push_back(m);
    }
    k.korrektur.push_back(wie);
  }
  return k;
}

bool SchliessdruckLesen(std::string_view text, std::optional<double>& wert, std::string& fehler) {
  const bool leer = text.find_first_not_of(" \t") == std::string_view::npos;
  if (leer) {
    wert.reset();
    return true;
  }
  double w = 0.0;
  const char* erlaubt = "eine Zahl größer 0 (bar), oder leer für keinen.";
  if (!Zahl(text, w)) {
    fehler = text::Format("Im Feld \"%s\" steht keine Zahl!\nErlaubt: %s", kSchliessdruckFeld, erlaubt);
    return false;
  }
  // The curves hold their pressures as floats.
  if (!(w > 0.0) || w > std::numeric_limits<float>::max()) {
    fehler = text::Format("Der Wert im Feld \"%s\" ist nicht erlaubt!\nErlaubt: %s", kSchliessdruckFeld, erlaubt);
    return false;
  }
  wert = w;
  return true;
}

std::string SchliessdruckText(const std::optional<double>& wert) {
  if (!wert) return std::string();
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, *wert);
  return std::string(puffer, r.ptr);
}

std::string Beschreibung(const Kurvenkorrektur& k) {
  return text::Format("%g bar (%s), S(Hg) um %.5f vermindert, %d %s weggelassen", k.Schliessdruck,
                      k.ausKopfzeile ? "Kopfzeile" : "für alle Messungen", k.Abzug, k.Weggelassen,
                      k.Weggelassen == 1 ? "Punkt" : "Punkte");
}

Textliste HinweisAnfang() {
  return {"", "   Schließdruckkorrektur: die Hg-Sättigung beim Schließdruck ist abgezogen,",
          "   die Punkte bis zu ihm sind weggelassen."};
}

std::string Hinweiszeile(const std::string& kern, const Kurvenkorrektur& k) {
  return "   " + kern + ": " + Beschreibung(k);
}

Textliste Hinweis(const KorrigierteKurven& k) {
  if (!k.Korrigiert()) return {};
  Textliste l = HinweisAnfang();
  for (std::size_t i = 0; i < k.korrektur.size() && i < k.kurven.size(); ++i) {
    if (k.korrektur[i].korrigiert) l.push_back(Hinweiszeile(k.kurven[i].Kern, k.korrektur[i]));
  }
  return l;
}

std::vector<csv::Tabelle> Tabellen(const KorrigierteKurven& k) {
  csv::Tabelle t{"Schließdruckkorrektur",
                 {"Kern", "Schließdruck (bar)", "Herkunft", "Abgezogene Hg-Sättigung", "Weggelassene Punkte"},
                 {}};
  for (std::size_t i = 0; i < k.korrektur.size() && i < k.kurven.size(); ++i) {
    const Kurvenkorrektur& wie = k.korrektur[i];
    if (!wie.korrigiert) continue;
    t.zeilen.push_back({k.kurven[i].Kern, static_cast<float>(wie.Schliessdruck),
                        std::string(wie.ausKopfzeile ? "Kopfzeile" : "für alle Messungen"), wie.Abzug,
                        static_cast<double>(wie.Weggelassen)});
  }
  std::vector<csv::Tabelle> tabellen;
  csv::Anhaengen(tabellen, std::move(t));
  return tabellen;
}

}  // namespace korrektur
