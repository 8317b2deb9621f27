#pragma once

#include <string>
#include <vector>

#include "Zeichenmittel.h"

// A chart given by its data rather than by the document's display options:
// the charts of the analyses beside the evaluation. It is drawn in the frame,
// fonts and layout of the other charts, by the same drawing routine, on
// screen, on paper and in the export.

enum class Achsenart { Linear, Logarithmisch };

// One axis: its kind, its label and, if wanted, a fixed range instead of the
// range of the data. A reversed axis runs from its largest value to its
// smallest: on the y axis the values grow downwards, as depths in a log
// track.
struct Achsenvorgabe {
  Achsenart art = Achsenart::Linear;
  std::string text;
  bool festerBereich = false;
  double min = 0.0;
  double max = 0.0;
  bool umgekehrt = false;
};

enum class Reihenart {
  Linie,   // points joined by straight lines
  Sterne,  // the chart's star symbol at each point
  Balken   // a vertical bar from the bottom of the frame to each point
};

// One series of points in data units.
struct Datenreihe {
  Reihenart art = Reihenart::Linie;
  Stift stift;
  std::vector<double> x;
  std::vector<double> y;
};

// A short dashed mark on the y axis at a value, e.g. an entry pressure.
struct Achsenmarke {
  double y = 0.0;
  Stift stift;
};

// A horizontal line across the frame at a value of the y axis, with its
// text at the right end, e.g. a free-water level in a log track.
struct Querlinie {
  double y = 0.0;
  Stift stift;
  std::string text;
};

// One line of the legend: a sample of the series' look and its text.
struct Legendeneintrag {
  Reihenart art = Reihenart::Linie;
  Stift stift;
  std::string text;
};

// Where the legend stands: in up to two rows below the frame, or as a column
// to the right of the frame, one entry per row from its top down (for many
// entries, such as one per rock type).
enum class Legendenlage { Unten, Rechts };

struct Datendiagramm {
  std::string titel;
  std::string untertitel;
  Achsenvorgabe x;
  Achsenvorgabe y;
  std::vector<Datenreihe> reihen;
  std::vector<Achsenmarke> ymarken;
  std::vector<Querlinie> querlinien;
  std::vector<Legendeneintrag> legende;
  Legendenlage legendenlage = Legendenlage::Unten;
  // The legend in the most columns (each as wide as its widest entry) that
  // fit between the margins and as many rows as it then needs, the
  // information and document lines moved below it; otherwise in at most two
  // rows, the columns spread over the frame and its margins.
  bool legendeMehrzeilig = false;
  std::string info;
};
