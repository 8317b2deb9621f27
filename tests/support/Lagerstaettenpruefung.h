#pragma once

// Checks that every result of the reservoir analyses of a run exists as a
// finite number, or is shown as missing: in the results, the lists, the
// charts as drawn, and the CSV tables. Shared by the unit tests and the fuzz
// target.
#include <cmath>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "Aufzeichnungsflaeche.h"
#include "Diagramm.h"
#include "KadrelDoc.h"
#include "LagerstaettenTabellen.h"
#include "Lagerstaettenbedingungen.h"
#include "Porenradien.h"
#include "Saettigungshoehe.h"

namespace lagerstaettenpruefung {

class Befund {
 public:
  // Notes a fault when `gut` is false.
  void Pruefen(bool gut, const std::string& was) {
    if (!gut && text_.empty()) text_ = was;
  }
  void Endlich(double w, const std::string& was) {
    if (!std::isfinite(w)) Pruefen(false, was + " ist nicht endlich: " + std::to_string(w));
  }
  void Endlich(const std::vector<double>& werte, const std::string& was) {
    for (std::size_t i = 0; i < werte.size(); ++i) Endlich(werte[i], was + "[" + std::to_string(i) + "]");
  }
  // The first fault, empty when none.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Tells whether a word of a list or chart is a number that is not finite as
// printf writes it ("inf", "-nan", "INF", ...).
inline bool NichtEndlichesWort(std::string wort) {
  while (!wort.empty() && (wort.front() == '-' || wort.front() == '+')) wort.erase(0, 1);
  for (char& c : wort) c = static_cast<char>(c | 0x20);
  return wort == "inf" || wort == "nan" || wort.rfind("nan(", 0) == 0 || wort == "infinity";
}

// Checks the words of text lines; lines naming a core hold the user's label.
inline void TextPruefen(Befund& b, const std::vector<std::string>& zeilen, const std::string& was) {
  for (const std::string& zeile : zeilen) {
    if (zeile.find("Kern") != std::string::npos) continue;
    std::istringstream woerter(zeile);
    std::string wort;
    while (woerter >> wort) b.Pruefen(!NichtEndlichesWort(wort), was + ": \"" + zeile + "\"");
  }
}

inline void TabellenPruefen(Befund& b, const std::vector<csv::Tabelle>& tabellen) {
  for (const csv::Tabelle& t : tabellen) {
    for (const auto& zeile : t.zeilen) {
      for (const csv::Wert& w : zeile) {
        if (const double* d = std::get_if<double>(&w)) b.Endlich(*d, "CSV " + t.titel);
        if (const float* f = std::get_if<float>(&w)) b.Endlich(*f, "CSV " + t.titel);
      }
    }
  }
}

// Draws a data chart as every view does and checks its data, axes and texts.
inline void DiagrammPruefen(Befund& b, const CKadrelDoc& doc, const Datendiagramm& daten, const std::string& was) {
  for (const Datenreihe& r : daten.reihen) {
    b.Endlich(r.x, was + " x");
    b.Endlich(r.y, was + " y");
  }
  for (const Achsenmarke& m : daten.ymarken) b.Endlich(m.y, was + " Marke");
  b.Endlich(daten.y.max, was + " y.max");
  Diagramm diagramm(doc);
  diagramm.SetDatendiagramm(&daten);
  diagramm.OnGraf();
  Aufzeichnungsflaeche flaeche;
  diagramm.draw(flaeche);
  b.Endlich(diagramm.XAchse().Min(), was + " x-Achse");
  b.Endlich(diagramm.XAchse().Max(), was + " x-Achse");
  b.Endlich(diagramm.YAchse().Min(), was + " y-Achse");
  b.Endlich(diagramm.YAchse().Max(), was + " y-Achse");
  std::vector<std::string> texte;
  for (const auto& e : flaeche.Alle(Aufzeichnungsflaeche::Art::Text)) texte.push_back(e.text);
  TextPruefen(b, texte, was);
}

// Every result of the saturation height and the pore radii of the run under
// accepted conditions `bed`; at most `diagramme` pore-radius charts are
// drawn. Returns the first fault, empty when there is none.
inline std::string Pruefen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& bed, std::size_t diagramme = 3) {
  Befund b;
  const Saettigungshoehe s = lagerstaette::SaettigungshoeheBerechnen(doc, bed);
  b.Pruefen(std::isfinite(s.F) && s.F > 0.0, "F");
  b.Pruefen(std::isfinite(s.Dichtedifferenz) && s.Dichtedifferenz > 0.0, "Dichtedifferenz");
  // The laboratory pressures the table's heights stand for.
  for (const double h : s.Hoehen)
    b.Endlich(lagerstaette::DruckAusHoehe(bed, h), "Druck bei " + std::to_string(h) + " m");
  for (const Saettigungshoehenkurve& k : s.kurven) {
    const std::string kurve = "Sättigungshöhe K=" + std::to_string(k.K);
    b.Endlich(k.Sw, kurve + " Sw");
    b.Endlich(k.Hoehe, kurve + " Höhe");
    b.Endlich(k.Eintrittshoehe, kurve + " Eintrittshöhe");
    for (const double sw : k.SwTabelle) b.Pruefen(sw >= 0.0 && sw <= 1.0, kurve + " Sw der Tabelle außerhalb 0 … 1");
  }
  TextPruefen(b, lagerstaette::SaettigungshoeheListe(s), "Liste Sättigungshöhe");
  DiagrammPruefen(b, doc, lagerstaette::SaettigungshoeheDiagramm(s), "Diagramm Sättigungshöhe");
  TabellenPruefen(b, SaettigungshoeheTabellen(s));

  Porenradien p = lagerstaette::PorenradienBerechnen(doc, bed);
  for (std::size_t i = 0; i < p.kurven.size(); ++i) {
    const Porenradienkurve& k = p.kurven[i];
    const std::string kurve = "Porenradien Kurve " + std::to_string(i);
    for (std::size_t q = 0; q < k.r.size(); ++q) {
      // No radius where the pressure is not above 0: shown as missing.
      const bool radius = k.Pc[q] > 0.0;
      b.Pruefen(radius ? std::isfinite(k.r[q]) && k.r[q] > 0.0 : std::isnan(k.r[q]),
                kurve + " r[" + std::to_string(q) + "]");
    }
    if (k.r35) b.Pruefen(std::isfinite(*k.r35) && *k.r35 > 0.0, kurve + " r35");
    if (k.r50) b.Pruefen(std::isfinite(*k.r50) && *k.r50 > 0.0, kurve + " r50");
    const Porenverteilung v = lagerstaette::PorenverteilungBerechnen(k);
    b.Endlich(v.r, kurve + " Verteilung r");
    b.Endlich(v.dSdlogr, kurve + " Verteilung dS/dlog10(r)");
  }
  TextPruefen(b, lagerstaette::PorenradienListe(p), "Liste Porenradien");
  for (std::size_t i = 0; i < p.kurven.size() && i < diagramme; ++i) {
    DiagrammPruefen(b, doc, lagerstaette::PorenradienDiagramm(p, static_cast<int>(i)), "Diagramm Porenradien");
  }
  TabellenPruefen(b, PorenradienTabellen(p));
  return b.Text();
}

}  // namespace lagerstaettenpruefung
