#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "JModell.h"
#include "KadrelModell.h"
#include "SaettigungshoehenWahl.h"
#include "ThomeerModell.h"

class CKadrelDoc;

// The three saturation-height models of a run under one set of conditions,
// each fitted on the same measurements, and evaluated through one set of
// calls whichever is chosen.
struct Saettigungshoehenmodelle {
  KadrelModell kadrel;
  JModell j;
  ThomeerModell thomeer;
  std::optional<int> gesteinstyp;  // the rock type J and Thomeer were fitted on; none: all

  // Fits the models: Kadrel's from the document's regression, J and Thomeer
  // over `kurven` (the run's measurements as the caller corrected them) and
  // `thomeer` (one Thomeer result per measurement, in order).
  static Saettigungshoehenmodelle Anpassen(const CKadrelDoc& doc, const std::vector<Messkurve>& kurven,
                                           const std::vector<ThomeerErgebnis>& thomeer,
                                           const Lagerstaettenbedingungen& b, std::optional<int> gesteinstyp);

  // The conditions the model converts pressures and heights with (each
  // model keeps those it was fitted under).
  const Lagerstaettenbedingungen& Bedingungen(ShfModell m) const;
  // Why the model has no fit; empty when it has one.
  const std::string& Grund(ShfModell m) const;
  // Empty when the model can evaluate the rock, otherwise why not.
  std::string GesteinGrund(ShfModell m, double kMd, std::optional<double> phi) const;
  // Sw at height h (m) above the free-water level; NaN where the model
  // cannot evaluate the rock. Sw = 1 at h ≤ 0.
  double Sw(ShfModell m, double kMd, std::optional<double> phi, double hMeter) const;
  // The laboratory pressure (bar) up to which Sw = 1; NaN where not evaluable.
  double Eintrittsdruck(ShfModell m, double kMd, std::optional<double> phi) const;
  // The model as the well evaluation calls it: (k mD, φ fraction, h m) → Sw
  // or NaN. A φ that is NaN counts as none. Holds a copy of the model.
  std::function<double(double, double, double)> Rueckruf(ShfModell m) const;
};
