#pragma once

#include <functional>

#include "Plattform.h"

class QWidget;

// The desktop program's side of the document's seam to the user: modal
// message boxes titled with the application's name, Yes/No questions, the
// wait cursor, the redraw of all views and the data dialog.
class CPlattformQt : public Plattform {
 public:
  // fenster: the window the boxes and the dialog belong to;
  // ansichtenAktualisieren: redraws every view of the document.
  CPlattformQt(QWidget* fenster, std::function<void()> ansichtenAktualisieren);
  ~CPlattformQt() override;

  void Meldung(const std::string& text) override;
  bool Frage(const std::string& text) override;
  void WarteCursor(bool an) override;
  void AnsichtenAktualisieren() override;
  bool DatenDialog(EingabeDaten& daten) override;

 private:
  // A box shows the ordinary pointer even inside a calculation.
  class PfeilWaehrendBox;

  QWidget* fenster_;
  std::function<void()> ansichtenAktualisieren_;
  int warteTiefe_ = 0;
};
