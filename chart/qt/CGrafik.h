#pragma once

#include "Diagramm.h"

#include <QAbstractScrollArea>
#include <QPointF>
#include <QRectF>

#include <functional>

class CKadrelDoc;
class QMimeData;
class QPrinter;

// The chart view: a scroll area of 250 x 220 mm in which the chart chosen by
// the document's display options is drawn at its real size, with the
// magnifier ("Grafik Lupe"), "An Fenster anpassen", printing and print
// preview. Reads the document, never changes it; every paint scales the
// current document afresh.
class CGrafik : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Where the screen drawing lands: device pixels per chart unit, the place
  // of the chart page's top-left corner and the extent of the drawing, both
  // in viewport pixels.
  struct Darstellung {
    double pixelProEinheitX = 0.0;
    double pixelProEinheitY = 0.0;
    QPointF seitenursprung;
    QRectF umriss;
  };

  explicit CGrafik(CKadrelDoc& doc, QWidget* parent = nullptr);

  // Sets the scroll sizes and the screen state.
  void OnInitialUpdate();
  // Switches the magnifier (1.5-fold chart) and repaints. While the chart is
  // fitted to the window, the magnifier ends the fitting and comes on.
  void OnGrafiklupe();
  // Tells whether the magnifier is on, for the check mark of its button.
  bool Grafiklupe() const;
  // "An Fenster anpassen": the drawing of the normal size (magnifier off),
  // scaled as a whole (texts, pens and stars alike) to fill the window with a
  // margin of 5 mm of the drawing, centred, following every resize; no
  // scrolling. Printing and the export keep their own sizes.
  void SetAnFensterAnpassen(bool an);
  bool AnFensterAnpassen() const { return anpassen_; }
  // Where the chart shown now is drawn in the window's present size.
  Darstellung Bildschirmdarstellung();
  // The chart as shown (normal or magnified layout) for the clipboard: an
  // image of the drawing's extent at 300 dpi and the same drawing as SVG
  // ("image/svg+xml"), both painted by the one painting routine.
  QMimeData* Zwischenablage();
  // Prints the chart on one page of `printer`, in the layout its printable
  // area calls for, and returns to the screen sizes.
  void Drucken(QPrinter& printer);
  // The print command: the print dialog, then one page.
  void OnFilePrint();
  // The page preview, drawn by Drucken.
  void OnFilePrintPreview();

  const Diagramm& GetDiagramm() const { return m_diagramm; }

  // "Druckachse logarithmisch" for the curve chart (the other charts keep
  // their axes); repaints.
  void SetDruckLogarithmisch(bool an);
  bool DruckLogarithmisch() const { return m_diagramm.DruckLogarithmisch(); }

  // Sets where a chart given by its data comes from: asked at every paint and
  // every printed page; an empty function or a null answer shows the chart
  // of the display options. Repaints.
  void SetDatenquelle(std::function<const Datendiagramm*()> quelle);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Prints one page; false when the printer could not be opened.
  bool SeiteDrucken(QPrinter& printer);
  void ScrollbereichSetzen();
  double PixelProEinheitX() const;
  double PixelProEinheitY() const;
  // Hands the current data chart, if any, to the diagram.
  void DatenAbfragen();

  Diagramm m_diagramm;
  std::function<const Datendiagramm*()> quelle_;
  bool anpassen_ = false;
};
