#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "EingabeDaten.h"
#include "Plattform.h"

// The user of a batch run: messages go to the error stream as they occur
// (or are only collected for the JSON output), questions get a fixed answer,
// and the data dialog returns the lines and options of the command line.
class CliPlattform : public Plattform {
 public:
  struct Nachricht {
    std::string art;  // "ok" or "yesno"
    std::string text;
  };

  CliPlattform(std::ostream& fehlerStrom, bool ausgeben) : fehler_(fehlerStrom), ausgeben_(ausgeben) {}

  void Meldung(const std::string& text) override;
  bool Frage(const std::string& text) override;
  void WarteCursor(bool) override {}
  void AnsichtenAktualisieren() override {}
  bool DatenDialog(EingabeDaten& daten) override;

  void SetAntwort(bool ja) { antwortJa_ = ja; }
  // The dialog hands these over once: a batch run opens it once.
  void SetDialogDaten(EingabeDaten daten) { dialogDaten_ = std::move(daten); }
  const std::vector<Nachricht>& Nachrichten() const { return nachrichten_; }

 private:
  std::ostream& fehler_;
  bool ausgeben_;
  bool antwortJa_ = true;
  EingabeDaten dialogDaten_;
  std::vector<Nachricht> nachrichten_;
};
