#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Datendiagramm.h"
#include "Lagerstaettenbedingungen.h"
#include "Schliessdruckkorrektur.h"
#include "Textliste.h"

class CKadrelDoc;
struct Messkurve;

// Pore-throat radii of the measured curves (Washburn). Plain data, read by
// the list, the chart, the batch output and the CSV export.

struct Porenradienkurve {
  std::string Kern;
  double Perm = 0.0;          // mD
  std::vector<double> Pc;     // bar, as measured
  std::vector<double> Shg;    // Hg saturation, fraction
  std::vector<double> r;      // µm per point; NaN where Pc is not above 0
  std::optional<double> r35;  // µm, where the Hg saturation reaches 0.35
  std::optional<double> r50;  // µm, median radius (0.5)
  Kurvenkorrektur korrektur;  // how the curve was corrected before
};

struct Porenradien {
  Lagerstaettenbedingungen bedingungen;
  std::vector<Porenradienkurve> kurven;  // every measurement read completely, in input order
  // Per line of the list: the curve it belongs to, or -1.
  std::vector<int> zeileKurve;
};

// Pore-throat size distribution of one curve: dS/dlog10(r) between
// neighbouring points, at the geometric mean of their radii; r ascending.
struct Porenverteilung {
  std::vector<double> r;  // µm
  std::vector<double> dSdlogr;
};

namespace lagerstaette {

// The radius (µm) at which the Hg saturation of a curve first reaches
// `saettigung`, interpolated linearly in log10(Pc) between the point before
// and the point that reaches it; none when the curve never reaches it.
std::optional<double> RadiusBeiSaettigung(const Lagerstaettenbedingungen& b, const std::vector<double>& pc,
                                          const std::vector<double>& shg, double saettigung);

Porenradienkurve PorenradienKurve(const Messkurve& m, const Lagerstaettenbedingungen& b);
// Of the curves as corrected; the first at their own closure pressures only.
Porenradien PorenradienBerechnen(const CKadrelDoc& doc, const Lagerstaettenbedingungen& b);
Porenradien PorenradienBerechnen(const KorrigierteKurven& kurven, const Lagerstaettenbedingungen& b);
Porenverteilung PorenverteilungBerechnen(const Porenradienkurve& k);

// The list "Porenradien"; fills p.zeileKurve. A corrected curve's block
// names its closure pressure.
Textliste PorenradienListe(Porenradien& p);
// The chart of curve `kurve` (an index into p.kurven; out of range: an
// empty chart with its texts).
Datendiagramm PorenradienDiagramm(const Porenradien& p, int kurve);

}  // namespace lagerstaette
