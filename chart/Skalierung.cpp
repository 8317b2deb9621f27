#include "Skalierung.h"

#include "Diagramm.h"

Skalierung BildschirmSkalierung(const CKadrelDoc& doc) {
  Diagramm d(doc);
  d.OnInitialUpdate();
  d.OnGraf();
  return {d.xmin, d.xmax, d.ymin, d.ymax, d.xstart, d.ystart, d.deltax, d.deltay, d.breite, d.hoehe};
}
