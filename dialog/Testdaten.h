#pragma once

#include "Textliste.h"

// The 22 lines of the built-in test measurement ("Testdaten"): a header, 20
// points of a known curve (Alfa 8.4, Beta 0.14, entry pressure 3.19 bar,
// largest pressure 155 bar, largest saturation 0.79) and the end line.
Textliste TestdatenZeilen();
