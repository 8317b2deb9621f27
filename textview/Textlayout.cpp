#include "Textlayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "Cp1252.h"

namespace {

int Begrenzt(double wert) { return static_cast<int>(std::clamp(wert, 0.0, static_cast<double>(INT_MAX))); }

}  // namespace

Textlayout::Textlayout(const Textliste* liste, double zeichenbreite, double zeilenhoehe, double punkteProZoll)
    : liste_(liste),
      zeilen_(liste ? static_cast<int>(std::min<std::size_t>(liste->size(), INT_MAX)) : 0),
      zeichenbreite_(std::max(zeichenbreite, 1.0)),
      zeilenhoehe_(std::max(zeilenhoehe, 1.0)),
      punkteProZoll_(punkteProZoll > 0.0 ? punkteProZoll : 96.0) {}

int Textlayout::Pixel(double hundertstelZoll) const {
  return Begrenzt(std::ceil(hundertstelZoll * punkteProZoll_ / 100.0));
}

int Textlayout::InhaltBreite() const {
  std::size_t laengste = 0;  // characters
  if (liste_) {
    for (const auto& zeile : *liste_) laengste = std::max(laengste, text::Zeichenzahl(zeile));
  }
  // One character width of margin on either side of the widest line.
  if (laengste == 0) return 0;
  return Begrenzt(std::ceil((static_cast<double>(laengste) + 2.0) * zeichenbreite_));
}

int Textlayout::InhaltHoehe() const { return Begrenzt(std::ceil(zeilen_ * zeilenhoehe_)); }

int Textlayout::Zeilenschritt() const { return std::max(1, Begrenzt(std::round(zeilenhoehe_))); }

int Textlayout::Spaltenschritt() const { return std::max(1, Pixel(kSpaltenschritt)); }

int Textlayout::ErsteSichtbare(int oben) const {
  return static_cast<int>(std::clamp(std::floor(oben / zeilenhoehe_), 0.0, static_cast<double>(zeilen_)));
}

int Textlayout::EndeSichtbare(int oben, int hoehe) const {
  const double unten = static_cast<double>(oben) + std::max(hoehe, 0);
  return static_cast<int>(std::clamp(std::ceil(unten / zeilenhoehe_), 0.0, static_cast<double>(zeilen_)));
}
