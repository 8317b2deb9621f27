#pragma once

#include "Zeichenmittel.h"

// Colours for charts that tell ordered classes apart (rock types): fourteen
// hues of a discrete rainbow, from purple through blue, teal, green, yellow
// and orange to red and brown, each dark enough to show on white paper and
// apart from its neighbours and from the black of frame and grid.
namespace palette {

inline constexpr int kFarbanzahl = 14;
inline constexpr Farbe kFarben[kFarbanzahl] = {
    {136, 46, 114},  {174, 118, 163}, {25, 101, 176}, {82, 137, 199}, {123, 175, 222}, {68, 170, 153}, {78, 178, 101},
    {144, 201, 135}, {247, 203, 69},  {241, 147, 45}, {232, 96, 28},  {220, 5, 12},    {165, 23, 14},  {114, 25, 14},
};

// The colour of class `index` of `anzahl` ordered classes (0-based,
// ascending): up to fourteen classes are spread over the whole palette, so that
// the order shows and neighbours differ as much as they can; more classes
// take the palette's colours in turn. Indices outside 0 … anzahl-1 are held
// within it.
Farbe Klassenfarbe(int index, int anzahl);

}  // namespace palette
