#pragma once

#include <vector>

#include "Achse.h"
#include "Datendiagramm.h"
#include "Zeichenmittel.h"

class CKadrelDoc;
class Zeichenflaeche;

// Which chart the document's display options choose.
enum class Diagrammart {
  Kurve,        // iTabelle 0, iGrafik below 4: the normalised curve
  Parameter,    // iTabelle above 0, iGrafik below 4: one parameter against log10(K)
  Kurvenschar,  // iGrafik 4: the curve family
  Keine,        // any other combination: frame, texts and axes only
  Daten         // a chart given by its data (SetDatendiagramm)
};

// The chart view without its window: scales the document's chart data to
// integer chart points (0.1 mm, y up, origin at the top-left corner of the
// plot frame) and draws them onto a surface. Reads the document, never
// changes it. The screen view, printing, the export and the tests all draw
// through this one class.
class Diagramm {
 public:
  explicit Diagramm(const CKadrelDoc& doc);

  const CKadrelDoc& GetDocument() const { return doc_; }
  Diagrammart Art() const;

  // While `daten` is not null, scaling and drawing show that chart instead of
  // the one the display options choose. The chart must outlive its use here.
  void SetDatendiagramm(const Datendiagramm* daten) { daten_ = daten; }
  const Datendiagramm* GetDatendiagramm() const { return daten_; }
  // "Druckachse logarithmisch": the curve chart (Diagrammart::Kurve) draws
  // its pressure axis logarithmically, over the whole decades of its
  // positive measured values; points at or below 0 have no place on it. Off
  // by default; the other charts are not affected.
  void SetDruckLogarithmisch(bool an) { druckLog_ = an; }
  bool DruckLogarithmisch() const { return druckLog_; }
  // Tells whether the chart scaled now has that logarithmic pressure axis.
  bool KurveLogarithmisch() const;

  // The scaled axes of the data chart, valid after OnGraf; YAchse is also
  // the logarithmic pressure axis of the curve chart.
  const Achse& XAchse() const { return xachse_; }
  const Achse& YAchse() const { return yachse_; }
  // The data chart's series in chart coordinates, after OnGraf: one list of
  // runs per series; a run breaks where a point has no place on a
  // logarithmic axis.
  const std::vector<std::vector<std::vector<Punkt>>>& Reihenpunkte() const { return reihenPunkte_; }
  // The curve chart on the logarithmic pressure axis, after OnGraf: the
  // measured points that have a place on it, and the computed curve in runs
  // broken where a value has none.
  const std::vector<Punkt>& LogMesspunkte() const { return logMess_; }
  const std::vector<std::vector<Punkt>>& LogRechenlaeufe() const { return logRechen_; }

  // Sets the screen state: tall layout, not printing.
  void OnInitialUpdate();

  // Scaling, run before every paint.
  void OnGraf();
  void extreme();
  void scale();
  void worldtrans();
  // Returns the tick step for a range of width `delt`.
  static double delta(double delt);
  // Returns the first tick of an axis starting at `min` with step `delt`.
  static double start(double min, double delt);
  // Returns the first tick at or above `max` (less `rest`, for the rounding
  // of summed steps) of an axis from `start` in steps of `delt`.
  static double Achsenende(double start, double delt, double max, double rest);

  // Drawing.
  void draw(Zeichenflaeche& dc) const;
  void xaxis(Zeichenflaeche& dc) const;
  void yaxis(Zeichenflaeche& dc) const;
  void grid(Zeichenflaeche& dc) const;
  void symbols(Zeichenflaeche& dc, const Punkt* punkte, int anzahl) const;

  // Switches the magnifier and rescales.
  void OnGrafiklupe();
  // Enters printing on a page whose printable area is `breiteSeite` wide
  // and `hoeheSeite` high in chart units (the sign of the height is
  // ignored): a page taller than wide gets the tall layout.
  void DruckBeginnen(double breiteSeite, double hoeheSeite);
  // Leaves printing: back to the screen state and sizes.
  void DruckBeenden();

  // Point counts of the document, held within its 100-slot arrays.
  int Kurvenpunkte() const;
  int Parameterpunkte() const;

  int m_bPrint = 0;
  int m_bHochformat = 1;
  int m_bGrafiklupe = 0;
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;
  double xstart = 0.0;
  double ystart = 0.0;
  double deltax = 0.0;
  double deltay = 0.0;
  int breite = 0;
  int hoehe = 0;
  // Width of the chart page in chart units, from its left edge at x = -400:
  // the scroll area on screen, the printable area on paper.
  static constexpr int kBildschirmseite = 2500;
  int seitenbreite = kBildschirmseite;
  Punkt m_ptMess[500] = {};
  Punkt m_ptRechen[500] = {};
  Punkt m_ptMess2[500] = {};
  Punkt m_ptRechen2[500] = {};
  Punkt m_ptKurven[5][31] = {};

 private:
  // Maps a data pair to chart coordinates.
  Punkt Abbilden(double vx, double vy) const;
  // Positions of a tick value on the x and the y axis.
  int XTick(double t) const;
  int YTick(double t) const;
  bool XBereichGueltig() const;
  bool YBereichGueltig() const;
  // The line naming the document file below the chart, `tiefer` units below
  // its usual place: centred at x = 100 while it fits on the page from
  // there, else from the page's left edge, shortened in the middle when
  // wider than the page.
  void Dokumentzeile(Zeichenflaeche& dc, int tiefer = 0) const;
  // The curve chart on the logarithmic pressure axis: its scaling and mapping.
  void LogKurveSkalieren();
  void LogKurveAbbilden();
  Punkt LogAbbilden(double vx, double vy) const;

  const CKadrelDoc& doc_;

  // The data chart: scaling, mapping and drawing.
  void DatenSkalieren();
  void DatenAbbilden();
  Punkt DatenPunkt(double vx, double vy) const;
  void DatenZeichnen(Zeichenflaeche& dc) const;
  void DatenXAchse(Zeichenflaeche& dc) const;
  void DatenYAchse(Zeichenflaeche& dc) const;
  void DatenGitter(Zeichenflaeche& dc) const;
  void DatenQuerlinien(Zeichenflaeche& dc) const;
  // Rows and columns of the legend; entries are counted down the columns.
  // A legend of many rows gives each column the width of its widest entry
  // with the sample (`breiten`), the first one starting at `links`.
  struct Legendenraster {
    int zeilen = 0;
    int spalten = 0;
    std::vector<int> breiten;
    int links = 0;
  };
  // Measures the legend's entries in the selected font (F3).
  Legendenraster DatenLegendenraster(Zeichenflaeche& dc) const;
  void DatenLegende(Zeichenflaeche& dc, const Legendenraster& raster) const;
  void LegendeRechts(Zeichenflaeche& dc) const;

  const Datendiagramm* daten_ = nullptr;
  Achse xachse_;
  Achse yachse_;
  std::vector<std::vector<std::vector<Punkt>>> reihenPunkte_;

  bool druckLog_ = false;
  std::vector<Punkt> logMess_;
  std::vector<std::vector<Punkt>> logRechen_;
};
