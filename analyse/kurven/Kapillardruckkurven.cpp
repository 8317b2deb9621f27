#include "Kapillardruckkurven.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "TextFormat.h"

namespace {

// Pads a UTF-8 text with blanks to `breite` characters (not bytes).
std::string Auffuellen(std::string text, std::size_t breite) {
  std::size_t zeichen = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
  }
  if (zeichen < breite) text.append(breite - zeichen, ' ');
  return text;
}

const char* Achsentext(Saettigungsachse x) {
  return x == Saettigungsachse::Hg ? "Hg-Sättigung (-)" : "Wassersättigung Sw (-)";
}

// "Messwerte aller 12 Messungen", "Messwerte von 20 der 333 Messungen".
std::string Umfang(int gewaehlt, int anzahl) {
  if (anzahl == 0) return "Keine Messung ausgewertet";
  if (gewaehlt == 0) return text::Format("Keine der %d Messungen gewählt", anzahl);
  if (gewaehlt == anzahl)
    return anzahl == 1 ? "Messwerte der einzigen Messung" : text::Format("Messwerte aller %d Messungen", anzahl);
  return text::Format("Messwerte von %d der %d Messungen", gewaehlt, anzahl);
}

Datenreihe Reihe(const Messkurve& kurve, Saettigungsachse x, const Stift& stift) {
  Datenreihe r;
  r.art = Reihenart::Linie;
  r.stift = stift;
  for (std::size_t i = 0; i < std::min(kurve.Pc.size(), kurve.Shg.size()); ++i) {
    const double pc = kurve.Pc[i];
    const double shg = kurve.Shg[i];
    if (!(pc > 0.0) || !std::isfinite(pc) || !std::isfinite(shg)) continue;
    r.x.push_back(x == Saettigungsachse::Hg ? shg : 1.0 - shg);
    r.y.push_back(pc);
  }
  return r;
}

}  // namespace

const char* KurvenFarbname(int k) { return k >= 0 && k < kurven::kFarben ? kurven::kFarbnamen[k] : kurven::kGrauName; }

Datendiagramm KapillardruckkurvenDiagramm(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl) {
  Datendiagramm d;
  d.titel = "Kapillardruckkurven";
  d.x.art = Achsenart::Linear;
  d.x.text = Achsentext(auswahl.x);
  d.x.festerBereich = true;
  d.x.min = 0.0;
  d.x.max = 1.0;
  d.y.art = Achsenart::Logarithmisch;
  d.y.text = "Kapillardruck (bar)";
  d.legendeMehrzeilig = true;

  std::vector<Datenreihe> farbig;
  std::vector<Datenreihe> grau;
  int gewaehlt = 0;
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    if (!auswahl.Gewaehlt(i)) continue;
    if (gewaehlt < kurven::kFarben) {
      const Stift& stift = kurven::kStifte[gewaehlt];
      farbig.push_back(Reihe(kurven[i], auswahl.x, stift));
      d.legende.push_back({Reihenart::Linie, stift, kurven[i].Kern});
    } else {
      grau.push_back(Reihe(kurven[i], auswahl.x, kurven::kGrau));
    }
    ++gewaehlt;
  }
  // The grey curves lie beneath the coloured ones.
  d.reihen = std::move(grau);
  const std::size_t weitere = d.reihen.size();
  d.reihen.insert(d.reihen.end(), farbig.begin(), farbig.end());
  if (weitere > 0) {
    d.legende.push_back({Reihenart::Linie, kurven::kGrau,
                         weitere == 1 ? std::string("+ 1 weitere Kurve")
                                      : text::Format("+ %d weitere Kurven", static_cast<int>(weitere))});
  }
  d.untertitel = Umfang(gewaehlt, static_cast<int>(kurven.size()));

  // Without a point to scale by, the pressure axis spans the usual range.
  const bool punkte = std::any_of(d.reihen.begin(), d.reihen.end(), [](const Datenreihe& r) { return !r.y.empty(); });
  if (!punkte) {
    d.y.festerBereich = true;
    d.y.min = 0.1;
    d.y.max = 1000.0;
  }
  return d;
}

Textliste KapillardruckkurvenListe(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl) {
  int gewaehlt = 0;
  for (std::size_t i = 0; i < kurven.size(); ++i) gewaehlt += auswahl.Gewaehlt(i) ? 1 : 0;
  Textliste liste{
      "",
      " Kapillardruckkurven: " + Umfang(gewaehlt, static_cast<int>(kurven.size())) + ", x: " + Achsentext(auswahl.x),
      "", kKapillardruckkurvenKopf, ""};
  int k = 0;
  for (std::size_t i = 0; i < kurven.size(); ++i) {
    if (!auswahl.Gewaehlt(i)) continue;
    const Messkurve& kurve = kurven[i];
    const int punkte = static_cast<int>(std::min(kurve.Pc.size(), kurve.Shg.size()));
    liste.push_back(text::Format(" %4d %14g %7d  ", static_cast<int>(i + 1), kurve.Perm, punkte) +
                    Auffuellen(KurvenFarbname(k), 10) + "  " + kurve.Kern);
    ++k;
  }
  return liste;
}
