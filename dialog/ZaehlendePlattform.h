#pragma once

#include "Plattform.h"

// Passes messages and questions on to another platform and counts them, so
// that the window can tell whether a handler has shown a box.
class ZaehlendePlattform : public Plattform {
 public:
  explicit ZaehlendePlattform(Plattform& ziel) : ziel_(ziel) {}

  void Meldung(const std::string& text) override;
  bool Frage(const std::string& text) override;
  void WarteCursor(bool an) override;
  void AnsichtenAktualisieren() override;
  bool DatenDialog(EingabeDaten& daten) override;

  // Number of message boxes and questions shown so far.
  int Boxen() const { return boxen_; }

 private:
  Plattform& ziel_;
  int boxen_ = 0;
};
