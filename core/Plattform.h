#pragma once

#include <string>

struct EingabeDaten;

// Everything the document needs from the user interface. The desktop program
// implements it with Qt, the batch front end with the terminal, and the tests
// with a scripted fake.
class Plattform {
 public:
  virtual ~Plattform() = default;

  // Shows a modal message with an OK button.
  virtual void Meldung(const std::string& text) = 0;
  // Asks a Yes/No question; returns true for Yes.
  virtual bool Frage(const std::string& text) = 0;
  // Shows or restores the wait cursor around a calculation.
  virtual void WarteCursor(bool an) = 0;
  // Asks every view of the document to redraw.
  virtual void AnsichtenAktualisieren() = 0;
  // Opens the data dialog modally on a copy of the lines and options; returns
  // true for OK, in which case the copy holds the user's lines and options.
  virtual bool DatenDialog(EingabeDaten& daten) = 0;
};
