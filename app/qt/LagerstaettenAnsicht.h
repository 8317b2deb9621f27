#pragma once

#include "Lagerstaettenbedingungen.h"
// The petrophysics builds on these conditions; the main frame sets it up
// right after them.
#include "PetrophysikAnsicht.h"
#include "Studienbedingungen.h"

class CMainFrame;

// Registers the reservoir analyses in the menu "A&uswertung": the command
// "Lagerstättenbedingungen..." and the views "Sättigungshöhe" and
// "Porenradien", computed lazily for the frame's document. The dialog's
// values go into the document's study and the settings (see
// Auswertungsgrundlage).
void LagerstaettenAnsichtEinrichten(CMainFrame& frame);

// The conditions kept in the settings, a user's usual fluid system; the
// defaults when none are kept or the kept ones are not allowed.
Lagerstaettenbedingungen LagerstaettenbedingungenLaden();
void LagerstaettenbedingungenSpeichern(const Lagerstaettenbedingungen& b);
// The same with the closure pressure for all measurements (none when none
// is kept or the kept one is not allowed).
Studienbedingungen StudienvorgabeLaden();
void StudienvorgabeSpeichern(const Studienbedingungen& s);
