#pragma once

// Values the chart hands to a drawing surface: points and sizes in chart
// units (0.1 mm, y up), pens and fonts.

struct Punkt {
  int x = 0;
  int y = 0;
  bool operator==(const Punkt&) const = default;
};

struct Groesse {
  int breite = 0;
  int hoehe = 0;
  bool operator==(const Groesse&) const = default;
};

struct Farbe {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const Farbe&) const = default;
};

enum class Linienart { Durchgezogen, Gestrichelt, Gepunktet };

struct Stift {
  Linienart art = Linienart::Durchgezogen;
  int breite = 1;  // chart units
  Farbe farbe;
  bool operator==(const Stift&) const = default;
};

// A font of the modern fixed-pitch family, upright, in the given cell height
// (ascent plus descent, chart units) and weight (400 normal, 700 bold).
struct Schrift {
  int hoehe = 0;
  int gewicht = 400;
  bool operator==(const Schrift&) const = default;
};
