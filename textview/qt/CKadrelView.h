#pragma once

#include <QAbstractScrollArea>
#include <QFont>

#include <functional>

#include "Textliste.h"

class CKadrelDoc;
class QPrinter;
class Textlayout;

// The text view: shows the result list chosen by the document's iTabelle, or
// the list of a source set by SetListenquelle, in a fixed-pitch font and
// prints it page by page. It holds no copy of the lines; every paint and
// every page reads the current list.
class CKadrelView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CKadrelView(CKadrelDoc& doc, QWidget* parent = nullptr);

  CKadrelDoc& GetDocument() const { return doc_; }

  // Sets where the shown list comes from, asked at every paint, layout and
  // printed page; an empty function shows the document's chosen list. Takes
  // up the new list at once.
  void SetListenquelle(std::function<const Textliste*()> quelle);
  // The list shown (may be null: no list).
  const Textliste* Liste() const;

  // Sets the scroll sizes for the current list.
  void OnInitialUpdate();
  // Takes up a changed list: scroll sizes and a repaint.
  void OnUpdate();

  // Prints the list on the printer, one page after the other, within the page
  // range chosen in the print dialog; false when the printer cannot be opened.
  bool Drucken(QPrinter& drucker);
  // Prints with the print dialog, or shows the print preview, on `drucker`.
  void OnFilePrint(QPrinter& drucker);
  void OnFilePrintPreview(QPrinter& drucker);

  // The font the screen shows the list in.
  QFont Bildschirmschrift() const;

 signals:
  // A line of the shown list was double-clicked; 0-based index into it.
  void ZeileDoppelgeklickt(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Textlayout Layout() const;

  CKadrelDoc& doc_;
  std::function<const Textliste*()> quelle_;
};
