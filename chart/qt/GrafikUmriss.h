#pragma once

#include <QRectF>

class Diagramm;

// Scales the chart for the diagram's current state and returns the extent of
// everything its drawing puts on the page (frame, texts with their cells,
// curves, stars and ticks with half their pen's width), in chart units of
// 0.1 mm from the page's top-left corner with y growing downwards. Texts are
// measured as the QPainter surface measures them, so the drawing laid out
// here is the one painted. Empty when the chart draws nothing.
QRectF GrafikUmriss(Diagramm& diagramm);
