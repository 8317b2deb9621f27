#pragma once

#include "Textliste.h"

// Where the text view puts the lines of its list on the screen, in device
// pixels: line i with its top at i line heights and its left edge one
// character width in. The scroll area fits the list: as tall as its lines
// and as wide as its widest line with a character width of margin on either
// side, so that every line can be scrolled into view and no scrolling shows
// an empty page; painting asks only for the lines in the visible band.
class Textlayout {
 public:
  // The horizontal scroll step in 0.01 inch, and the screen font's line height.
  static constexpr int kSpaltenschritt = 40;
  static constexpr int kSchrifthoehe = 22;

  // liste may be null (no list chosen); zeichenbreite and zeilenhoehe are the
  // font's in pixels, punkteProZoll the screen's resolution.
  Textlayout(const Textliste* liste, double zeichenbreite, double zeilenhoehe, double punkteProZoll);

  int Zeilen() const { return zeilen_; }
  int InhaltBreite() const;
  int InhaltHoehe() const;
  int Zeilenschritt() const;
  int Spaltenschritt() const;

  double ZeileLinks() const { return zeichenbreite_; }
  double ZeileOben(int zeile) const { return zeile * zeilenhoehe_; }

  // The lines that touch the band [oben, oben + hoehe): from the first up to
  // one past the last.
  int ErsteSichtbare(int oben) const;
  int EndeSichtbare(int oben, int hoehe) const;

 private:
  int Pixel(double hundertstelZoll) const;

  const Textliste* liste_;
  int zeilen_;
  double zeichenbreite_;
  double zeilenhoehe_;
  double punkteProZoll_;
};
