// Drawing of the chart: frame, texts, axes, curves, symbols, legends, grid.
#include "Diagramm.h"

#include "KadrelDoc.h"
#include "Scharstifte.h"
#include "TextFormat.h"
#include "Zeichenflaeche.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kMaxTicks = 1000;  // as in the scaling: a guard, never reached by real charts

constexpr Stift kStiftA{Linienart::Durchgezogen, 4, {0, 0, 0}};    // frame, ticks
constexpr Stift kStiftB{Linienart::Durchgezogen, 3, {255, 0, 0}};  // computed curve
constexpr Stift kStiftC{Linienart::Gestrichelt, 3, {0, 0, 255}};   // star symbols
constexpr Stift kStiftD{Linienart::Gepunktet, 1, {0, 0, 0}};       // grid
constexpr int kScharVersatz[5] = {-600, -350, -100, 150, 400};

constexpr Schrift kSchriftF1{70, 600};  // title
constexpr Schrift kSchriftF2{55, 700};  // subtitle, axis texts
constexpr Schrift kSchriftF3{45, 700};  // tick labels, document line, legends
constexpr Schrift kSchriftF4{35, 700};  // information line

constexpr int kSeitenrand = -400;  // chart x of the page's left edge (the window origin)
constexpr int kDokumentX = 100;    // centre of the document line while it fits
const char* const kAuslassung = "\u2026";

// Byte offsets at which the characters of a UTF-8 text begin, then its end,
// so that a cut never falls inside a character.
std::vector<std::size_t> Zeichengrenzen(std::string_view s) {
  std::vector<std::size_t> grenzen;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) grenzen.push_back(i);
  }
  grenzen.push_back(s.size());
  return grenzen;
}

}  // namespace

void Diagramm::Dokumentzeile(Zeichenflaeche& dc, int tiefer) const {
  const int y = -hoehe - 250 - tiefer;
  const std::string& pfad = doc_.GetPathName();
  const std::string zeile = text::Format("Dokument %s", pfad);
  const int w = dc.TextAusdehnung(zeile).breite;
  if (kDokumentX - (w + 1) / 2 >= kSeitenrand) {
    dc.TextZentriertOben(kDokumentX, y, zeile);
    return;
  }
  if (w <= seitenbreite) {
    dc.TextZentriertOben(kSeitenrand + (w + 1) / 2, y, zeile);
    return;
  }

  // Too wide for the page: characters go from the middle of the path, but
  // the file name at its end stays as long as the page allows.
  const std::vector<std::size_t> g = Zeichengrenzen(pfad);
  const int n = static_cast<int>(g.size()) - 1;
  const std::size_t trenner = pfad.find_last_of("/\\");
  int name = n;
  if (trenner != std::string::npos) {
    name = n - static_cast<int>(std::upper_bound(g.begin(), g.end(), trenner) - g.begin()) + 1;
  }
  const auto gekuerzt = [&](int behalten) {
    const int hinten = std::max(behalten - behalten / 2, std::min(behalten, name));
    const int vorne = behalten - hinten;
    return "Dokument " + pfad.substr(0, g[static_cast<std::size_t>(vorne)]) + kAuslassung +
           pfad.substr(g[static_cast<std::size_t>(n - hinten)]);
  };
  std::string text = gekuerzt(0);
  int unten = 1;
  int oben = n - 1;
  while (unten <= oben) {
    const int mitte = unten + (oben - unten) / 2;
    std::string versuch = gekuerzt(mitte);
    if (dc.TextAusdehnung(versuch).breite <= seitenbreite) {
      text = std::move(versuch);
      unten = mitte + 1;
    } else {
      oben = mitte - 1;
    }
  }
  dc.TextZentriertOben(kSeitenrand + (dc.TextAusdehnung(text).breite + 1) / 2, y, text);
}

void Diagramm::draw(Zeichenflaeche& dc) const {
  if (daten_) {
    DatenZeichnen(dc);
    return;
  }
  const int W = breite;
  const int H = hoehe;
  const Diagrammart art = Art();
  const bool schar = art == Diagrammart::Kurvenschar;

  dc.StiftWaehlen(kStiftA);
  dc.FensterUrsprung(-400, 300);
  dc.Rechteck(0, 0, W, -H);

  dc.SchriftWaehlen(kSchriftF1);
  dc.TextZentriertOben(W / 2, 230, doc_.Titel);

  dc.SchriftWaehlen(kSchriftF2);
  dc.TextZentriertOben(W / 2, 150, doc_.Untertitel);
  dc.TextZentriertOben(-50, 100, doc_.YText);
  dc.TextZentriertOben(W + 60, 100, doc_.Y1Text);
  dc.TextZentriertOben(W / 2, -H - 70, doc_.XText);

  dc.SchriftWaehlen(kSchriftF3);
  xaxis(dc);
  yaxis(dc);
  Dokumentzeile(dc);

  dc.StiftWaehlen(kStiftB);
  const int c2 = dc.TextAusdehnung(doc_.Legende2).breite;
  if (!schar) {
    dc.TextZentriertOben(W / 2, -H - 130, doc_.Legende2);
    dc.Linie(W / 2 + c2 - 100, -H - 150, W / 2 + c2 + 100, -H - 150);
  }
  if (art == Diagrammart::Kurve && KurveLogarithmisch()) {
    for (const auto& lauf : logRechen_) {
      if (lauf.size() > 1) dc.Polylinie(lauf.data(), static_cast<int>(lauf.size()));
    }
  } else if (art == Diagrammart::Kurve) {
    dc.Polylinie(m_ptRechen, Kurvenpunkte());
  }
  if (art == Diagrammart::Parameter) dc.Polylinie(m_ptRechen2, Parameterpunkte());
  if (schar) {
    for (int k = 0; k < 5; ++k) {
      const int a = kScharVersatz[k];
      dc.StiftWaehlen(schar::kStifte[k]);
      dc.Polylinie(m_ptKurven[k], 31);
      dc.Linie(W / 2 + a, -H - 190, W / 2 + a + 100, -H - 190);
      dc.TextZentriertOben(W / 2 + a + 150, -H - 170, schar::kLegende[k]);
    }
  }

  dc.StiftWaehlen(kStiftC);
  if (art == Diagrammart::Kurve && KurveLogarithmisch()) {
    symbols(dc, logMess_.data(), static_cast<int>(logMess_.size()));
  } else if (art == Diagrammart::Kurve) {
    symbols(dc, m_ptMess, Kurvenpunkte());
  }
  if (art == Diagrammart::Parameter) symbols(dc, m_ptMess2, Parameterpunkte());
  const int c1 = dc.TextAusdehnung(doc_.Legende1).breite;
  if (!schar) {
    dc.TextZentriertOben(W / 2, -H - 170, doc_.Legende1);
    // A sample of the symbol pen: six short thick marks.
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 3; ++j) {
        dc.Linie(W / 2 + c1 + 40 * i - 100, -H - 190 + j, W / 2 + c1 + 40 * i - 96, -H - 190 + j);
      }
    }
  }

  dc.StiftWaehlen(kStiftD);
  dc.SchriftWaehlen(kSchriftF4);
  if (!schar) dc.TextZentriertOben(W / 2, -H - 210, doc_.Info);
  grid(dc);
}

void Diagramm::xaxis(Zeichenflaeche& dc) const {
  const int W = breite;
  const int H = hoehe;
  const char* format = xmax > 1000 || xmin < -500 ? "%4.0f" : "%5g";
  double t = xmin;
  for (int n = 0; t <= xmax && n < kMaxTicks; ++n) {
    int px = XTick(t);
    // The last tick stays one unit inside the frame.
    if (t == xmax && XBereichGueltig()) px = W - 1;
    dc.Linie(px, -H, px, -H - 20);
    dc.TextZentriertOben(px, -H - 30, text::Format(format, t));
    t += deltax;
  }
}

void Diagramm::yaxis(Zeichenflaeche& dc) const {
  // The logarithmic pressure axis is labelled as the data charts' are.
  if (KurveLogarithmisch()) {
    DatenYAchse(dc);
    return;
  }
  const char* format = ymax > 1000000 || ymin < -100000 ? "%6.2e" : "%6g";
  // The ticks run up to ymax, allowing for the rounding of the summed steps;
  // the allowance is a thousandth of a step, so the top tick is labelled
  // whatever the sign of ymax and no tick lands above the frame.
  const double oben = ymax + deltay / 1000;
  double t = ystart;
  for (int n = 0; t <= oben && n < kMaxTicks; ++n) {
    const int yt = YTick(t);
    dc.Linie(0, yt, -10, yt);
    // A residue of the summed steps next to zero is the zero tick.
    if (t * t < 1e-14 && std::fabs(t) < deltay / 2) t = 0;
    dc.TextZentriertOben(-130, yt + 20, text::Format(format, t));
    t += deltay;
  }
}

void Diagramm::grid(Zeichenflaeche& dc) const {
  const int W = breite;
  const int H = hoehe;
  // Inner ticks only: the frame covers the outer ones; on the logarithmic
  // pressure axis the inner decades.
  double t = ystart + deltay;
  if (KurveLogarithmisch()) {
    for (double g : yachse_.Gitter()) {
      const int yt = LogAbbilden(xmin, g).y;
      dc.Linie(0, yt, W, yt);
    }
  } else {
    for (int n = 0; t < ymax && n < kMaxTicks; ++n) {
      const int yt = YTick(t);
      dc.Linie(0, yt, W, yt);
      t += deltay;
    }
  }
  t = xmin + deltax;
  for (int n = 0; t < xmax && n < kMaxTicks; ++n) {
    const int px = XTick(t);
    dc.Linie(px, -H, px, 0);
    t += deltax;
  }
}

void Diagramm::symbols(Zeichenflaeche& dc, const Punkt* punkte, int anzahl) const {
  constexpr int d = 4;
  for (int i = 0; i < anzahl; ++i) {
    const int x = punkte[i].x;
    const int y = punkte[i].y;
    dc.Linie(x - d, y - d, x + d, y + d);
    dc.Linie(x - d, y + d, x + d, y - d);
    dc.Linie(x - d, y, x + d, y);
    dc.Linie(x, y - d, x, y + d);
  }
}

// The chart given by its data: the frame, texts and fonts of the other
// charts, linear or logarithmic axes, the series, the marks on the y axis
// and the legend.

namespace {

// Tick lengths: a labelled tick as on the other charts, an unlabelled one
// half as long.
constexpr int kXTick = 20;
constexpr int kYTick = 10;
// The left edge of the page in chart units, with a millimetre to spare.
constexpr int kLinkerRand = -400 + 10;
// Length of the mark on the y axis, into the frame.
constexpr int kMarkenLaenge = 60;
// Gap between a horizontal line's text and the line and the frame.
constexpr int kQuerlinieAbstand = 10;
// The legend: rows 40 apart from just below the x axis text, in at most two
// rows so that the information and document lines keep their places; more
// entries go into columns spread over the frame and its margins.
constexpr int kLegendeOben = 130;
constexpr int kLegendeSchritt = 40;
constexpr int kLegendeZeilen = 2;
constexpr int kLegendeRand = 200;
constexpr int kMusterAbstand = 30;
constexpr int kMusterLaenge = 100;
// The legend right of the frame: samples from kRechtsAbstand beside the
// frame, shorter than below it, the texts after them, left-aligned; rows
// kRechtsSchritt apart in the tick labels' font, or closer in the smaller
// font when they would not fit beside the frame. Entries beyond the frame's
// height give way to one line that counts them.
constexpr int kRechtsAbstand = 30;
constexpr int kRechtsMuster = 60;
constexpr int kRechtsText = 15;
constexpr int kRechtsSchritt = 50;
constexpr int kRechtsSchrittKlein = 40;
// The least gap between two columns of a legend of many rows.
constexpr int kLegendeLuecke = 40;

// Draws the sample of a series' look whose left end is at (x, y).
void Muster(Zeichenflaeche& dc, Reihenart art, int x, int y, int laenge = kMusterLaenge) {
  switch (art) {
    case Reihenart::Linie:
      dc.Linie(x, y, x + laenge, y);
      break;
    case Reihenart::Sterne:
      // Star symbols the series is drawn with, three in a full-length sample.
      for (int mx = x + 10; mx <= x + laenge - 10; mx += 40) {
        dc.Linie(mx - 4, y - 4, mx + 4, y + 4);
        dc.Linie(mx - 4, y + 4, mx + 4, y - 4);
        dc.Linie(mx - 4, y, mx + 4, y);
        dc.Linie(mx, y - 4, mx, y + 4);
      }
      break;
    case Reihenart::Balken:
      for (int i = 0; i < 3; ++i) dc.Linie(x + 30 + 20 * i, y - 15, x + 30 + 20 * i, y + 15);
      break;
  }
}

// Returns k such that every k-th of `anzahl` labels spread evenly over
// `laenge` keeps a gap of 10 units to the next when each takes `groesse`.
int Jede(int anzahl, int laenge, int groesse) {
  int jede = 1;
  if (anzahl > 1) {
    const double abstand = static_cast<double>(laenge) / (anzahl - 1);
    while (jede < anzahl && groesse + 10 > abstand * jede) ++jede;
  }
  return jede;
}

}  // namespace

void Diagramm::DatenZeichnen(Zeichenflaeche& dc) const {
  const int W = breite;
  const int H = hoehe;

  dc.StiftWaehlen(kStiftA);
  dc.FensterUrsprung(-400, 300);
  dc.Rechteck(0, 0, W, -H);

  dc.SchriftWaehlen(kSchriftF1);
  dc.TextZentriertOben(W / 2, 230, daten_->titel);

  dc.SchriftWaehlen(kSchriftF2);
  dc.TextZentriertOben(W / 2, 150, daten_->untertitel);
  // A long y axis text moves right just as far as keeps it on the page,
  // whose left edge is the surface's origin.
  const int ytext = std::max(-50, kLinkerRand + dc.TextAusdehnung(daten_->y.text).breite / 2);
  dc.TextZentriertOben(ytext, 100, daten_->y.text);
  dc.TextZentriertOben(W / 2, -H - 70, daten_->x.text);

  dc.SchriftWaehlen(kSchriftF3);
  DatenXAchse(dc);
  DatenYAchse(dc);
  // A legend of more than two rows pushes the information and document
  // lines down by its extra rows.
  const Legendenraster raster = DatenLegendenraster(dc);
  const int tiefer = kLegendeSchritt * std::max(0, raster.zeilen - kLegendeZeilen);
  Dokumentzeile(dc, tiefer);

  for (std::size_t r = 0; r < daten_->reihen.size() && r < reihenPunkte_.size(); ++r) {
    const Datenreihe& reihe = daten_->reihen[r];
    dc.StiftWaehlen(reihe.stift);
    for (const auto& lauf : reihenPunkte_[r]) {
      const int n = static_cast<int>(lauf.size());
      switch (reihe.art) {
        case Reihenart::Linie:
          if (n > 1) dc.Polylinie(lauf.data(), n);
          break;
        case Reihenart::Sterne:
          symbols(dc, lauf.data(), n);
          break;
        case Reihenart::Balken:
          for (const Punkt& p : lauf) dc.Linie(p.x, -H, p.x, p.y);
          break;
      }
    }
  }

  DatenQuerlinien(dc);

  for (const Achsenmarke& marke : daten_->ymarken) {
    if (!yachse_.Darstellbar(marke.y)) continue;
    Stift stift = marke.stift;
    stift.art = Linienart::Gestrichelt;
    dc.StiftWaehlen(stift);
    const int y = DatenPunkt(xachse_.Min(), marke.y).y;
    dc.Linie(0, y, kMarkenLaenge, y);
  }

  DatenLegende(dc, raster);

  dc.StiftWaehlen(kStiftD);
  dc.SchriftWaehlen(kSchriftF4);
  dc.TextZentriertOben(W / 2, -H - 210 - tiefer, daten_->info);
  DatenGitter(dc);
}

void Diagramm::DatenQuerlinien(Zeichenflaeche& dc) const {
  const int W = breite;
  for (const Querlinie& q : daten_->querlinien) {
    const double a = yachse_.Anteil(q.y);
    if (!yachse_.Darstellbar(q.y) || !(a >= -1e-9 && a <= 1.0 + 1e-9)) continue;
    const int y = DatenPunkt(xachse_.Min(), q.y).y;
    dc.StiftWaehlen(q.stift);
    dc.Linie(0, y, W, y);
    if (q.text.empty()) continue;
    // The text stands at the right end above the line, or below it where
    // the frame ends above.
    dc.SchriftWaehlen(kSchriftF3);
    const Groesse g = dc.TextAusdehnung(q.text);
    const int oben = y + kQuerlinieAbstand + g.hoehe <= 0 ? y + kQuerlinieAbstand + g.hoehe : y - kQuerlinieAbstand;
    dc.TextZentriertOben(W - kQuerlinieAbstand - (g.breite + 1) / 2, oben, q.text);
  }
}

void Diagramm::DatenXAchse(Zeichenflaeche& dc) const {
  const int W = breite;
  const int H = hoehe;
  const std::vector<Achsentick> ticks = xachse_.Ticks();
  // Labels that would run into each other are thinned to every k-th one.
  int breitester = 0;
  int beschriftet = 0;
  for (const Achsentick& t : ticks) {
    if (t.text.empty()) continue;
    breitester = std::max(breitester, dc.TextAusdehnung(t.text).breite);
    ++beschriftet;
  }
  const int jede = Jede(beschriftet, W, breitester);
  int nummer = 0;
  for (const Achsentick& t : ticks) {
    const double a = xachse_.Anteil(t.wert);
    // The last tick stays one unit inside the frame.
    const int px = std::fabs(a - 1.0) < 1e-9 ? W - 1 : DatenPunkt(t.wert, yachse_.Min()).x;
    if (t.text.empty()) {
      dc.Linie(px, -H, px, -H - kXTick / 2);
      continue;
    }
    dc.Linie(px, -H, px, -H - kXTick);
    if (nummer++ % jede == 0) dc.TextZentriertOben(px, -H - 30, t.text);
  }
}

void Diagramm::DatenYAchse(Zeichenflaeche& dc) const {
  const std::vector<Achsentick> ticks = yachse_.Ticks();
  int beschriftet = 0;
  for (const Achsentick& t : ticks) beschriftet += t.text.empty() ? 0 : 1;
  const int jede = Jede(beschriftet, hoehe, dc.TextAusdehnung("0").hoehe);
  int nummer = 0;
  for (const Achsentick& t : ticks) {
    const int yt = DatenPunkt(xachse_.Min(), t.wert).y;
    if (t.text.empty()) {
      dc.Linie(0, yt, -kYTick / 2, yt);
      continue;
    }
    dc.Linie(0, yt, -kYTick, yt);
    if (nummer++ % jede == 0) dc.TextZentriertOben(-130, yt + 20, t.text);
  }
}

void Diagramm::DatenGitter(Zeichenflaeche& dc) const {
  const int W = breite;
  const int H = hoehe;
  for (double t : yachse_.Gitter()) {
    const int yt = DatenPunkt(xachse_.Min(), t).y;
    dc.Linie(0, yt, W, yt);
  }
  for (double t : xachse_.Gitter()) {
    const int px = DatenPunkt(t, yachse_.Min()).x;
    dc.Linie(px, -H, px, 0);
  }
}

Diagramm::Legendenraster Diagramm::DatenLegendenraster(Zeichenflaeche& dc) const {
  const auto& legende = daten_->legende;
  const int n = static_cast<int>(legende.size());
  // A legend right of the frame takes no rows below it.
  if (n == 0 || daten_->legendenlage == Legendenlage::Rechts) return {};
  if (!daten_->legendeMehrzeilig) {
    const int zeilen = std::min(n, kLegendeZeilen);
    return {zeilen, (n + zeilen - 1) / zeilen, {}, 0};
  }
  std::vector<int> texte;
  for (const Legendeneintrag& e : legende) texte.push_back(dc.TextAusdehnung(e.text).breite);
  // The most columns whose widest entries fit side by side between the
  // margins; counted down the columns, rows may leave the last columns
  // empty, which are then not made.
  const int platz = breite + 2 * kLegendeRand;
  Legendenraster raster;
  for (int versuch = n; versuch >= 1; --versuch) {
    raster.zeilen = (n + versuch - 1) / versuch;
    raster.spalten = (n + raster.zeilen - 1) / raster.zeilen;
    raster.breiten.assign(static_cast<std::size_t>(raster.spalten), 0);
    for (int i = 0; i < n; ++i) {
      int& b = raster.breiten[static_cast<std::size_t>(i / raster.zeilen)];
      b = std::max(b, texte[static_cast<std::size_t>(i)] + kMusterAbstand + kMusterLaenge);
    }
    int gesamt = kLegendeLuecke * (raster.spalten - 1);
    for (const int b : raster.breiten) gesamt += b;
    raster.links = -kLegendeRand + (platz - gesamt) / 2;
    if (gesamt <= platz) break;
  }
  return raster;
}

void Diagramm::DatenLegende(Zeichenflaeche& dc, const Legendenraster& raster) const {
  const auto& legende = daten_->legende;
  const int n = static_cast<int>(legende.size());
  if (n == 0) return;
  if (daten_->legendenlage == Legendenlage::Rechts) {
    LegendeRechts(dc);
    return;
  }
  const int zeilen = raster.zeilen;
  const int spalten = raster.spalten;
  if (!raster.breiten.empty()) {
    // Each column: the texts from its left edge, the samples lined up after
    // the widest.
    dc.SchriftWaehlen(kSchriftF3);
    int links = raster.links;
    for (int spalte = 0; spalte < spalten; ++spalte) {
      const int b = raster.breiten[static_cast<std::size_t>(spalte)];
      for (int zeile = 0; zeile < zeilen && spalte * zeilen + zeile < n; ++zeile) {
        const Legendeneintrag& e = legende[static_cast<std::size_t>(spalte * zeilen + zeile)];
        const int c = dc.TextAusdehnung(e.text).breite;
        const int oben = -hoehe - kLegendeOben - kLegendeSchritt * zeile;
        dc.StiftWaehlen(e.stift);
        dc.TextZentriertOben(links + (c + 1) / 2, oben, e.text);
        Muster(dc, e.art, links + b - kMusterLaenge, oben - 20);
      }
      links += b + kLegendeLuecke;
    }
    return;
  }
  const int breiteGesamt = breite + 2 * kLegendeRand;
  const int spaltenBreite = breiteGesamt / spalten;
  // Entries too wide for their column are written in the smaller font.
  dc.SchriftWaehlen(kSchriftF3);
  int breitester = 0;
  for (const Legendeneintrag& e : legende) breitester = std::max(breitester, dc.TextAusdehnung(e.text).breite);
  if (breitester + kMusterAbstand + kMusterLaenge > spaltenBreite) dc.SchriftWaehlen(kSchriftF4);
  for (int i = 0; i < n; ++i) {
    const Legendeneintrag& e = legende[static_cast<std::size_t>(i)];
    const int spalte = i / zeilen;
    const int zeile = i % zeilen;
    const int c = dc.TextAusdehnung(e.text).breite;
    // Text and sample together are centred in their column.
    const int mitte = -kLegendeRand + spaltenBreite * spalte + spaltenBreite / 2 - (kMusterAbstand + kMusterLaenge) / 2;
    const int oben = -hoehe - kLegendeOben - kLegendeSchritt * zeile;
    dc.StiftWaehlen(e.stift);
    dc.TextZentriertOben(mitte, oben, e.text);
    Muster(dc, e.art, mitte + c / 2 + kMusterAbstand, oben - 20);
  }
}

void Diagramm::LegendeRechts(Zeichenflaeche& dc) const {
  const auto& legende = daten_->legende;
  const int n = static_cast<int>(legende.size());
  const int x = breite + kRechtsAbstand;
  const int textX = x + kRechtsMuster + kRechtsText;
  // The page ends at its left edge plus its width.
  const int platz = kSeitenrand + seitenbreite - textX;
  dc.SchriftWaehlen(kSchriftF3);
  int breitester = 0;
  for (const Legendeneintrag& e : legende) breitester = std::max(breitester, dc.TextAusdehnung(e.text).breite);
  int schritt = kRechtsSchritt;
  if (n * schritt > hoehe || breitester > platz) {
    dc.SchriftWaehlen(kSchriftF4);
    schritt = kRechtsSchrittKlein;
  }
  const int zeilen = std::max(1, hoehe / schritt);
  // Without room for all, the last row counts those left out.
  const int gezeigt = n <= zeilen ? n : zeilen - 1;
  const int hoeheText = dc.TextAusdehnung("0").hoehe;
  for (int i = 0; i < gezeigt; ++i) {
    const Legendeneintrag& e = legende[static_cast<std::size_t>(i)];
    const int oben = -schritt * i;
    dc.StiftWaehlen(e.stift);
    dc.TextZentriertOben(textX + dc.TextAusdehnung(e.text).breite / 2, oben, e.text);
    Muster(dc, e.art, x, oben - hoeheText / 2, kRechtsMuster);
  }
  if (gezeigt < n) {
    const std::string rest = text::Format("… %d weitere", n - gezeigt);
    dc.StiftWaehlen(kStiftA);
    dc.TextZentriertOben(textX + dc.TextAusdehnung(rest).breite / 2, -schritt * gezeigt, rest);
  }
}
