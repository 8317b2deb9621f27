#pragma once

#include <QAbstractScrollArea>
#include <QFont>

class CKadrelDoc;
class QPrinter;
class Textlayout;

// The text view: shows the result list chosen by the document's iTabelle in a
// fixed-pitch font and prints it page by page. It holds no copy of the lines;
// every paint and every page reads the document's current list.
class CKadrelView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CKadrelView(CKadrelDoc& doc, QWidget* parent = nullptr);

  CKadrelDoc& GetDocument() const { return doc_; }

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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Textlayout Layout() const;

  CKadrelDoc& doc_;
};
