#pragma once

#include "Diagramm.h"

#include <QAbstractScrollArea>

#include <functional>

class CKadrelDoc;
class QPrinter;

// The chart view: a scroll area of 250 x 220 mm in which the chart chosen by
// the document's display options is drawn at its real size, with the
// magnifier ("Grafik Lupe"), printing and print preview. Reads the document,
// never changes it; every paint scales the current document afresh.
class CGrafik : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CGrafik(CKadrelDoc& doc, QWidget* parent = nullptr);

  // Sets the scroll sizes and the screen state.
  void OnInitialUpdate();
  // Switches the magnifier (1.5-fold chart) and repaints.
  void OnGrafiklupe();
  // Tells whether the magnifier is on, for the check mark of its button.
  bool Grafiklupe() const;
  // Prints the chart on one page of `printer`, in the layout its printable
  // area calls for, and returns to the screen sizes.
  void Drucken(QPrinter& printer);
  // The print command: the print dialog, then one page.
  void OnFilePrint();
  // The page preview, drawn by Drucken.
  void OnFilePrintPreview();

  const Diagramm& GetDiagramm() const { return m_diagramm; }

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
};
