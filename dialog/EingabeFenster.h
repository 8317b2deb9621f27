#pragma once

#include <optional>
#include <string>

#include "DialogFelder.h"

// What the data dialog's logic needs from the window that shows it: the
// controls' contents in both directions, the list box, the focus, the
// open-file dialog and the end of the dialog. The Qt dialog implements it,
// the tests use a scripted fake.
class EingabeFenster {
 public:
  virtual ~EingabeFenster() = default;

  // Returns what the controls hold now.
  virtual DialogFelder FelderAbfragen() = 0;
  // Puts the values into the controls.
  virtual void FelderAnzeigen(const DialogFelder& felder) = 0;

  // List box operations; every change of the logic's list is mirrored here.
  virtual void ListeEinfuegen(int index, const std::string& zeile) = 0;
  virtual void ListeErsetzen(int index, const std::string& zeile) = 0;
  virtual void ListeLoeschen(int index) = 0;
  virtual void ListeLeeren() = 0;
  // Selects item `index` (-1: none).
  virtual void ListeAuswaehlen(int index) = 0;
  // Returns the index of the selected item, -1 when none is selected.
  virtual int ListenAuswahl() = 0;

  // Moves the keyboard focus to the next control in tab order.
  virtual void FokusWeiter() = 0;
  // Puts the focus into the permeability edit after its value was refused.
  virtual void FokusAufPermeabilitaet() = 0;
  // Shows the open-file dialog; returns the chosen file's full path, or
  // nothing when the user cancels.
  virtual std::optional<std::string> DateiWaehlen() = 0;
  // Ends the dialog with OK.
  virtual void DialogBeenden() = 0;
};
