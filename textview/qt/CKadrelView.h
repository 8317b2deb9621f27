#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QString>

#include <cstdint>
#include <functional>

#include "Textliste.h"
#include "Zeilenauswahl.h"

class CKadrelDoc;
class QPrinter;
class Textlayout;

// The text view: shows the result list chosen by the document's iTabelle, or
// the list of a source set by SetListenquelle, in a fixed-pitch font and
// prints it page by page. It holds no copy of the lines; every paint and
// every page reads the current list. A new list starts at its top; the
// scroll area fits its lines. The keys scroll it (arrows, Page Up/Down,
// Home/End across, Ctrl+Home/Ctrl+End to the first and the last line); a
// click chooses a line, a drag or a shift-click a range, Ctrl+A all of them.
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
  // Takes up a changed list: a list other than the one shown before starts
  // at its top with nothing chosen; then scroll sizes and a repaint.
  void OnUpdate();

  // The chosen lines of the shown list.
  const Zeilenauswahl& Auswahl() const { return auswahl_; }
  void SetAuswahl(const Zeilenauswahl& auswahl);
  // The text "Kopieren" puts on the clipboard: the chosen lines, or the
  // whole list when none is chosen, each ended by a line feed.
  QString KopierText() const;

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
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  Textlayout Layout() const;
  // The line under a point of the viewport, limited to the list's lines
  // when `begrenzen` is set; otherwise -1 below or above the list.
  int ZeileBei(double y, bool begrenzen) const;

  CKadrelDoc& doc_;
  std::function<const Textliste*()> quelle_;
  // The list shown at the last update, to tell a new one.
  const Textliste* gezeigt_ = nullptr;
  std::uint64_t kennung_ = 0;
  Zeilenauswahl auswahl_;
};
