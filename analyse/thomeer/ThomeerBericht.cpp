#include "ThomeerBericht.h"

#include <algorithm>
#include <cmath>

#include "TextFormat.h"

namespace {

// The pens of the other charts: measured points, computed curve.
constexpr Stift kStiftMesswerte{Linienart::Gestrichelt, 3, {0, 0, 255}};
constexpr Stift kStiftKurve{Linienart::Durchgezogen, 3, {255, 0, 0}};
constexpr Stift kStiftSystem[2] = {{Linienart::Gestrichelt, 3, {0, 128, 0}},
                                   {Linienart::Gestrichelt, 3, {128, 0, 128}}};

// Width of the number columns from Pd1 to R2, which a reason replaces.
constexpr std::size_t kZahlenbreite = 71;

// Pads a UTF-8 text with blanks to `breite` characters (not bytes).
std::string Auffuellen(std::string text, std::size_t breite) {
  std::size_t zeichen = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
  }
  if (zeichen < breite) text.append(breite - zeichen, ' ');
  return text;
}

Achsenvorgabe Saettigungsachse() {
  Achsenvorgabe x;
  x.art = Achsenart::Linear;
  x.text = "Hg-Sättigung (-)";
  x.festerBereich = true;
  x.min = 0.0;
  x.max = 1.0;
  return x;
}

Achsenvorgabe Druckachse() {
  Achsenvorgabe y;
  y.art = Achsenart::Logarithmisch;
  y.text = "Kapillardruck (bar)";
  return y;
}

}  // namespace

std::string ThomeerHinweis(const Messkurve& kurve, const ThomeerErgebnis& e) {
  if (!e.Angepasst()) return "";
  std::vector<std::string> hinweise;
  const double pd = e.Systeme.front().Pd;
  std::size_t ueber = 0;
  for (std::size_t i = 0; i < std::min(kurve.Pc.size(), kurve.Shg.size()); ++i) {
    if (kurve.Pc[i] > pd && std::isfinite(kurve.Pc[i])) ++ueber;
  }
  if (ueber <= 3 * e.Systeme.size() + 1) hinweise.emplace_back(kThomeerWenigePunkte);
  double sinf = 0.0;
  for (const auto& s : e.Systeme) sinf += s.Sinf;
  if (sinf > 1.0) hinweise.emplace_back(kThomeerSinfUeber1);
  std::string text;
  for (const auto& h : hinweise) text += (text.empty() ? "" : ", ") + h;
  return text;
}

std::vector<std::string> ThomeerHinweise(const std::vector<Messkurve>& kurven,
                                         const std::vector<ThomeerErgebnis>& ergebnisse) {
  std::vector<std::string> hinweise;
  for (std::size_t k = 0; k < ergebnisse.size(); ++k) {
    hinweise.push_back(k < kurven.size() ? ThomeerHinweis(kurven[k], ergebnisse[k]) : std::string());
  }
  return hinweise;
}

Textliste ThomeerListe(const std::vector<ThomeerErgebnis>& ergebnisse, const std::vector<std::string>& hinweise,
                       const Textliste& hinweis) {
  Textliste liste{"", kThomeerKopf, ""};
  for (std::size_t k = 0; k < ergebnisse.size(); ++k) {
    const ThomeerErgebnis& e = ergebnisse[k];
    std::string zeile = text::Format(" %13g", e.Perm);
    if (!e.Angepasst()) {
      zeile += "   ";
      zeile += Auffuellen(e.Grund, kZahlenbreite - 3);
    } else {
      for (std::size_t i = 0; i < 2; ++i) {
        if (i < e.Systeme.size()) {
          const auto& s = e.Systeme[i];
          zeile += text::Format(" %10.4f %6.3f %8.4f", s.Pd, s.G, s.Sinf);
        } else {
          zeile += std::string(27, ' ');
        }
      }
      zeile += text::Format(" %8.5f %7.4f", e.RMS, e.R2);
    }
    zeile += "  " + e.Kern;
    if (k < hinweise.size() && !hinweise[k].empty()) zeile += "  (" + hinweise[k] + ")";
    liste.push_back(std::move(zeile));
  }
  liste.insert(liste.end(), hinweis.begin(), hinweis.end());
  return liste;
}

Datendiagramm ThomeerDiagramm(const Messkurve& kurve, const ThomeerErgebnis& e, const Kurvenkorrektur* korrektur) {
  Datendiagramm d;
  d.titel = "Thomeer-Analyse";
  d.untertitel = text::Format("Kern: %s  Permeabilität: %g mD", kurve.Kern, kurve.Perm);
  if (korrektur && korrektur->korrigiert)
    d.untertitel += text::Format("  Schließdruck: %g bar", korrektur->Schliessdruck);
  d.x = Saettigungsachse();
  d.y = Druckachse();

  // A logarithmic axis holds no pressure at or below 0.
  Datenreihe punkte;
  punkte.art = Reihenart::Sterne;
  punkte.stift = kStiftMesswerte;
  double pcMax = 0.0;
  for (std::size_t i = 0; i < std::min(kurve.Pc.size(), kurve.Shg.size()); ++i) {
    if (!(kurve.Pc[i] > 0.0f)) continue;
    punkte.x.push_back(kurve.Shg[i]);
    punkte.y.push_back(kurve.Pc[i]);
    pcMax = std::max(pcMax, static_cast<double>(kurve.Pc[i]));
  }
  d.reihen.push_back(std::move(punkte));
  d.legende.push_back({Reihenart::Sterne, kStiftMesswerte, " Messwerte "});

  if (!e.Angepasst()) {
    d.info = e.Grund;
    return d;
  }

  Datenreihe linie;
  linie.art = Reihenart::Linie;
  linie.stift = kStiftKurve;
  const double von = std::log10(e.Systeme.front().Pd);
  const double bis = std::log10(std::max(pcMax, e.Systeme.front().Pd));
  for (int i = 0; i < kThomeerLinienpunkte; ++i) {
    const double pc = std::pow(10.0, von + (bis - von) * i / (kThomeerLinienpunkte - 1));
    linie.x.push_back(ThomeerSaettigung(e.Systeme, pc));
    linie.y.push_back(pc);
  }
  d.reihen.push_back(std::move(linie));
  d.legende.push_back({Reihenart::Linie, kStiftKurve, "Rechenwerte"});

  for (std::size_t i = 0; i < e.Systeme.size(); ++i) {
    const auto& s = e.Systeme[i];
    d.ymarken.push_back({s.Pd, kStiftSystem[i]});
    d.legende.push_back({Reihenart::Linie, kStiftSystem[i],
                         text::Format("Pd%d=%.4g bar  G%d=%.4g  Sinf%d=%.4g", static_cast<int>(i + 1), s.Pd,
                                      static_cast<int>(i + 1), s.G, static_cast<int>(i + 1), s.Sinf)});
  }
  d.info = text::Format("Fehler (RMS)=%.5f  R²=%.4f", e.RMS, e.R2);
  return d;
}

Datendiagramm ThomeerDiagrammOhneMessung() {
  Datendiagramm d;
  d.titel = "Thomeer-Analyse";
  d.untertitel = "Keine Messung ausgewertet";
  d.x = Saettigungsachse();
  d.y = Druckachse();
  d.y.festerBereich = true;
  d.y.min = 0.1;
  d.y.max = 1000.0;
  return d;
}
