#include "GrafikMalen.h"

#include "Diagramm.h"
#include "QtZeichenflaeche.h"

void GrafikMalen(Diagramm& diagramm, QPainter& painter, double pixelProEinheitX, double pixelProEinheitY) {
  QtZeichenflaeche flaeche(painter, pixelProEinheitX, pixelProEinheitY);
  diagramm.OnGraf();
  diagramm.draw(flaeche);
}
