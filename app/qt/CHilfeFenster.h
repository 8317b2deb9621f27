#pragma once

#include <QTextBrowser>

// The help viewer: a window of its own that shows the help page and follows
// its links; it does not block the main window.
class CHilfeFenster : public QTextBrowser {
  Q_OBJECT

 public:
  explicit CHilfeFenster(QWidget* parent = nullptr);

  // Shows the page; false when the file cannot be read.
  bool Zeigen(const QString& datei);
};
