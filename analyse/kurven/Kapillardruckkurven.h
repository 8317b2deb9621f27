#pragma once

#include <vector>

#include "Datendiagramm.h"
#include "Kurvenauswahl.h"
#include "Messkurve.h"
#include "Textliste.h"

namespace kurven {

// The pens of the first twelve chosen curves, chosen to be told apart on
// white paper, and their names in the list; every further curve is grey.
inline constexpr int kFarben = 12;
inline constexpr Stift kStifte[kFarben] = {
    {Linienart::Durchgezogen, 3, {230, 25, 75}},  {Linienart::Durchgezogen, 3, {60, 180, 75}},
    {Linienart::Durchgezogen, 3, {0, 130, 200}},  {Linienart::Durchgezogen, 3, {245, 130, 48}},
    {Linienart::Durchgezogen, 3, {145, 30, 180}}, {Linienart::Durchgezogen, 3, {0, 160, 160}},
    {Linienart::Durchgezogen, 3, {240, 50, 230}}, {Linienart::Durchgezogen, 3, {128, 128, 0}},
    {Linienart::Durchgezogen, 3, {170, 110, 40}}, {Linienart::Durchgezogen, 3, {0, 0, 128}},
    {Linienart::Durchgezogen, 3, {128, 0, 0}},    {Linienart::Durchgezogen, 3, {0, 0, 0}},
};
inline constexpr const char* kFarbnamen[kFarben] = {"rot",     "grün",       "blau",      "orange",
                                                    "violett", "türkis",     "magenta",   "olivgrün",
                                                    "braun",   "dunkelblau", "dunkelrot", "schwarz"};
inline constexpr Stift kGrau{Linienart::Durchgezogen, 2, {160, 160, 160}};
inline constexpr const char* kGrauName = "grau";

}  // namespace kurven

// What "Ergebnisse ausgeben" says after writing the list.
inline constexpr const char* kKapillardruckkurvenAusgegeben =
    "Die Kapillardruckkurven wurden in die Datei aus.txt geschrieben!";

// Column header of the list; the rows below it line up with it.
inline constexpr const char* kKapillardruckkurvenKopf = "   NR  PERMEABILITÄT  PUNKTE  FARBE       KERN";

// The chart "Kapillardruckkurven": the measured points of the chosen
// curves as lines, the Hg saturation or Sw on x (0 to 1), the capillary
// pressure on a logarithmic y axis (points at or below 0 bar left out). The
// first twelve chosen curves, in the order of the run, have a colour each
// and their label in the legend; the others are drawn in grey beneath them,
// and the legend's last entry counts them.
Datendiagramm KapillardruckkurvenDiagramm(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl);

// The list of the chosen curves: a line naming how many of how many and the
// x axis, the column header, then per curve its number in the run, the
// permeability, the number of points, its colour in the chart and the label.
Textliste KapillardruckkurvenListe(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl);

// The colour name of the k-th chosen curve (0-based).
const char* KurvenFarbname(int k);
