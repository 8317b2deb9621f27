#pragma once

#include "Zeichenflaeche.h"

#include <QFont>
#include <QTransform>

class QPainter;

// Draws the chart through a QPainter: screen, printer, PDF, SVG or image.
// Chart units of 0.1 mm with y up are mapped to device pixels by the given
// resolution. Pens are at least one device pixel wide; texts sit on a white
// cell, as on the original device context, whose defaults the chart never
// changed.
class QtZeichenflaeche : public Zeichenflaeche {
 public:
  // `painter`'s current transform puts the top-left corner of the chart page
  // at the origin; `pixelProEinheitX`/`Y` are device pixels per 0.1 mm.
  QtZeichenflaeche(QPainter& painter, double pixelProEinheitX, double pixelProEinheitY);
  ~QtZeichenflaeche() override;
  QtZeichenflaeche(const QtZeichenflaeche&) = delete;
  QtZeichenflaeche& operator=(const QtZeichenflaeche&) = delete;

  void FensterUrsprung(int x, int y) override;
  void StiftWaehlen(const Stift& stift) override;
  void SchriftWaehlen(const Schrift& schrift) override;
  void TextZentriertOben(int x, int y, std::string_view text) override;
  Groesse TextAusdehnung(std::string_view text) override;
  void Linie(int x1, int y1, int x2, int y2) override;
  void Polylinie(const Punkt* punkte, int anzahl) override;
  void Rechteck(int links, int oben, int rechts, int unten) override;

  // Returns the font for a chart font: Liberation Mono (metric-compatible
  // with Courier New) or another fixed-pitch face, sized so that its cell
  // (ascent plus descent) is the given height in chart units.
  static QFont SchriftFuer(const Schrift& schrift);

 private:
  QPainter& p_;
  QTransform basis_;
  double sx_;
  double sy_;
  QFont schrift_;
};
