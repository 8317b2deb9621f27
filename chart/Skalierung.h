#pragma once

class CKadrelDoc;

// The axis values and plot size of a chart after scaling.
struct Skalierung {
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;
  double xstart = 0.0;
  double ystart = 0.0;
  double deltax = 0.0;
  double deltay = 0.0;
  int breite = 0;
  int hoehe = 0;
};

// Returns what a freshly created screen chart (magnifier off) holds after
// scaling the document's chosen chart once.
Skalierung BildschirmSkalierung(const CKadrelDoc& doc);
