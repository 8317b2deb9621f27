#include "Testdaten.h"

#include <cmath>

#include "TextFormat.h"

Textliste TestdatenZeilen() {
  // The factors and steps are the float values nearest their decimals,
  // widened to double; the exponent is the double 8.4.
  const double beta = 0.14f;
  const double nenner = 1.14f;
  const double spanne = 151.81f;
  const double sperrdruck = 3.19f;
  const double shgMax = 0.79f;
  const double schrittFein = 0.01f;
  const double schrittGrob = 0.05f;

  Textliste zeilen;
  zeilen.push_back("PERMEABILITAET: 1 TEST");
  for (int i = 0; i < 20; ++i) {
    const double x = i < 10 ? schrittFein * i : schrittGrob * (i + 1);
    const double y = x > 0.0 ? (std::pow(x, 8.4) + beta * x) / nenner : 0.0;
    zeilen.push_back(text::Format("%9.4f %15.5f", spanne * y + sperrdruck, shgMax * x));
  }
  zeilen.push_back("ENDE");
  return zeilen;
}
