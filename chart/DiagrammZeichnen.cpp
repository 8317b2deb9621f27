// Drawing of the chart: frame, texts, axes, curves, symbols, legends, grid.
#include "Diagramm.h"

#include "Diagrammstil.h"
#include "KadrelDoc.h"
#include "TextFormat.h"
#include "Zeichenflaeche.h"

#include <cmath>

namespace {

constexpr int kMaxTicks = 1000;  // as in the scaling: a guard, never reached by real charts

using namespace diagrammstil;
constexpr Stift kScharStifte[5] = {
    kStiftB,
    {Linienart::Durchgezogen, 3, {0, 255, 0}},
    {Linienart::Durchgezogen, 3, {0, 0, 255}},
    {Linienart::Durchgezogen, 3, {0, 255, 255}},
    {Linienart::Durchgezogen, 3, {0, 0, 0}},
};
constexpr int kScharVersatz[5] = {-600, -350, -100, 150, 400};
constexpr const char* kScharLegende[5] = {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"};

}  // namespace

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
  if (art == Diagrammart::Kurve) dc.Polylinie(m_ptRechen, Kurvenpunkte());
  if (art == Diagrammart::Parameter) dc.Polylinie(m_ptRechen2, Parameterpunkte());
  if (schar) {
    for (int k = 0; k < 5; ++k) {
      const int a = kScharVersatz[k];
      dc.StiftWaehlen(kScharStifte[k]);
      dc.Polylinie(m_ptKurven[k], 31);
      dc.Linie(W / 2 + a, -H - 190, W / 2 + a + 100, -H - 190);
      dc.TextZentriertOben(W / 2 + a + 150, -H - 170, kScharLegende[k]);
    }
  }

  dc.StiftWaehlen(kStiftC);
  if (art == Diagrammart::Kurve) symbols(dc, m_ptMess, Kurvenpunkte());
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

void Diagramm::Dokumentzeile(Zeichenflaeche& dc) const {
  dc.TextZentriertOben(100, -hoehe - 250, text::Format("Dokument %s", doc_.GetPathName()));
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
  // Inner ticks only: the frame covers the outer ones.
  double t = ystart + deltay;
  for (int n = 0; t < ymax && n < kMaxTicks; ++n) {
    const int yt = YTick(t);
    dc.Linie(0, yt, W, yt);
    t += deltay;
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
