#pragma once

#include "Zeichenmittel.h"

// The look of the five curves of the family (K = 0.01 ... 100 mD), shared by
// every chart that draws them so that a curve keeps its colour from chart
// to chart.
namespace schar {

inline constexpr Stift kStifte[5] = {
    {Linienart::Durchgezogen, 3, {255, 0, 0}},  // the computed curve's pen
    {Linienart::Durchgezogen, 3, {0, 255, 0}},   {Linienart::Durchgezogen, 3, {0, 0, 255}},
    {Linienart::Durchgezogen, 3, {0, 255, 255}}, {Linienart::Durchgezogen, 3, {0, 0, 0}},
};
inline constexpr const char* kLegende[5] = {"0.01 mD", "0.1 mD", "1 mD", "10 mD", "100 mD"};

}  // namespace schar
