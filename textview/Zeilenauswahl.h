#pragma once

#include <cstdint>
#include <string>

#include "Textliste.h"

// The lines chosen in the text view: whole lines from the one where the
// choice began (the anchor) to the one it was extended to, in either order.
class Zeilenauswahl {
 public:
  bool Leer() const { return anker_ < 0; }
  // A click: the choice is this one line.
  void Setzen(int zeile);
  // A shift-click or a drag: the choice reaches from the anchor to `zeile`;
  // without an anchor it starts at `zeile`.
  void Erweitern(int zeile);
  // Chooses all lines of a list of `zeilen` lines; none when it is empty.
  void Alle(int zeilen);
  void Aufheben();
  // The first and the last chosen line (inclusive); -1 when none is chosen.
  int Von() const;
  int Bis() const;
  bool Enthaelt(int zeile) const;

 private:
  int anker_ = -1;
  int ende_ = -1;
};

// The text a copy of the list gives: the chosen lines, or every line when
// none is chosen, each ended by a line feed. A choice beyond the list's end
// gives the lines that exist.
std::string KopierText(const Textliste& liste, const Zeilenauswahl& auswahl);

// A fingerprint of a list's lines, so that the view can tell a new list
// from the one it showed before without keeping a copy of it.
std::uint64_t Listenkennung(const Textliste& liste);
