#pragma once

class Diagramm;
class QPainter;

// Scales the chart for the diagram's current state and draws it through
// `painter`, whose transform puts the top-left corner of the chart page at
// the origin; `pixelProEinheitX`/`Y` are device pixels per 0.1 mm. Screen,
// printer and export all paint through here.
void GrafikMalen(Diagramm& diagramm, QPainter& painter, double pixelProEinheitX, double pixelProEinheitY);
