#pragma once

#include <string_view>

#include "Zeichenmittel.h"

// Where a chart is drawn: the screen, a printer page, an image or a recording.
// Coordinates are chart units of 0.1 mm with y growing upwards; texts are
// UTF-8. A surface starts with no origin set, a solid black pen and no font;
// whatever the chart selects is given back when the surface ends.
class Zeichenflaeche {
 public:
  virtual ~Zeichenflaeche() = default;

  // Places the chart point (x, y) at the surface's top-left corner.
  virtual void FensterUrsprung(int x, int y) = 0;
  virtual void StiftWaehlen(const Stift& stift) = 0;
  virtual void SchriftWaehlen(const Schrift& schrift) = 0;
  // Writes a text whose horizontal centre is x and whose top is y, on the
  // surface's default background.
  virtual void TextZentriertOben(int x, int y, std::string_view text) = 0;
  // Measures a text in the selected font.
  virtual Groesse TextAusdehnung(std::string_view text) = 0;
  virtual void Linie(int x1, int y1, int x2, int y2) = 0;
  // Joins the first `anzahl` points by straight lines.
  virtual void Polylinie(const Punkt* punkte, int anzahl) = 0;
  // Outlines a rectangle with the pen and fills it white.
  virtual void Rechteck(int links, int oben, int rechts, int unten) = 0;
};
