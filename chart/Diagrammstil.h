#pragma once

#include "Zeichenmittel.h"

// The pens and fonts every chart is drawn with.
namespace diagrammstil {

inline constexpr Stift kStiftA{Linienart::Durchgezogen, 4, {0, 0, 0}};    // frame, ticks
inline constexpr Stift kStiftB{Linienart::Durchgezogen, 3, {255, 0, 0}};  // computed curve
inline constexpr Stift kStiftC{Linienart::Gestrichelt, 3, {0, 0, 255}};   // star symbols
inline constexpr Stift kStiftD{Linienart::Gepunktet, 1, {0, 0, 0}};       // grid

inline constexpr Schrift kSchriftF1{70, 600};  // title
inline constexpr Schrift kSchriftF2{55, 700};  // subtitle, axis texts
inline constexpr Schrift kSchriftF3{45, 700};  // tick labels, document line, legends
inline constexpr Schrift kSchriftF4{35, 700};  // information line

}  // namespace diagrammstil
