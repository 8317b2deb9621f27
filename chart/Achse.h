#pragma once

#include <string>
#include <vector>

#include "Datendiagramm.h"

// One tick of an axis: its value, and its label (empty for the unlabelled
// ticks between the decades of a logarithmic axis).
struct Achsentick {
  double wert = 0.0;
  std::string text;
  bool operator==(const Achsentick&) const = default;
};

// A scaled axis of a data chart. A linear axis follows the step and first
// tick rules of the other charts (Diagramm::delta, Diagramm::start) and ends
// on the first whole tick at or above its largest value; a logarithmic axis
// spans the whole decades that hold its positive values.
class Achse {
 public:
  // Scales an axis to the finite values in `werte` (a logarithmic axis
  // passes over values that are not above 0). Without such values a linear
  // axis spans 0 to 1 and a logarithmic one 1 to 10.
  static Achse Linear(const std::vector<double>& werte);
  static Achse Logarithmisch(const std::vector<double>& werte);
  // Scales by the kind and, if fixed, the range of `vorgabe`, else by the
  // values; reversed if it says so.
  static Achse Nach(const Achsenvorgabe& vorgabe, const std::vector<double>& werte);

  Achsenart Art() const { return art_; }
  // Runs from Max to Min (Anteil 0 at Max).
  bool Umgekehrt() const { return umgekehrt_; }
  double Min() const { return min_; }
  double Max() const { return max_; }
  // Linear: the first tick and the step. Logarithmic: the exponents of the
  // first and the last decade.
  double Start() const { return start_; }
  double Schritt() const { return schritt_; }

  // Tells whether a value has a place on the axis (logarithmic: above 0).
  bool Darstellbar(double v) const;
  // The position of a value along the axis, 0 at Min and 1 at Max, or the
  // other way round on a reversed axis (outside for values outside; 0.5
  // when the axis has no width).
  double Anteil(double v) const;
  // Every tick from Min to Max: linear with "%g"-style labels, logarithmic
  // with the labelled decades and the unlabelled 2..9 between them.
  std::vector<Achsentick> Ticks() const;
  // The ticks of the grid: the inner labelled ones.
  std::vector<double> Gitter() const;

  // The label of the decade 10^exponent: "0.001", "1", "1000"; beyond
  // 10^-6 and 10^9 in exponent form ("1e-007").
  static std::string Dekadentext(int exponent);

 private:
  // The position on the axis running from Min to Max.
  double Vorwaerts(double v) const;

  Achsenart art_ = Achsenart::Linear;
  bool umgekehrt_ = false;
  double min_ = 0.0;
  double max_ = 1.0;
  double start_ = 0.0;
  double schritt_ = 1.0;
};
