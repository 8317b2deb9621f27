#pragma once

class QAction;
class QWidget;

// Gives `aktion`, an item of `behaelter` (a menu or the menu bar), a
// mnemonic that no other item there has, unless its text carries one
// already: an analysis that registers "Petrophysik" in a menu where P is
// taken gets "P&etrophysik". Items added without one stay reachable by key.
void MnemonikErgaenzen(QWidget* behaelter, QAction* aktion);
