#pragma once

#include <string>

#include "Plattform.h"

// A user who is never shown anything: every question is answered Yes, the
// data dialog is never confirmed, message boxes and questions are counted.
// For the benchmark programs, which time the calculation alone.
class StillePlattform : public Plattform {
 public:
  void Meldung(const std::string&) override { ++meldungen; }
  bool Frage(const std::string&) override {
    ++fragen;
    return true;
  }
  void WarteCursor(bool) override {}
  void AnsichtenAktualisieren() override {}
  bool DatenDialog(EingabeDaten&) override { return false; }

  long meldungen = 0;
  long fragen = 0;
};
