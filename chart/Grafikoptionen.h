#pragma once

// How the user wants the document's charts drawn, beside the document's own
// display options: kept by the desktop program in its settings, given to
// kadrel-cli as options. The defaults draw the charts as they always were.
struct Grafikoptionen {
  // "Druckachse logarithmisch": the curve chart's pressure axis
  // (Diagramm::SetDruckLogarithmisch).
  bool druckLogarithmisch = false;
  bool operator==(const Grafikoptionen&) const = default;
};
