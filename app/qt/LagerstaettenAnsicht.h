#pragma once

#include "Lagerstaettenbedingungen.h"

class CMainFrame;

// Registers the reservoir analyses in the menu "A&uswertung": the command
// "Lagerstättenbedingungen..." and the views "Sättigungshöhe" and
// "Porenradien", computed lazily for the frame's document.
void LagerstaettenAnsichtEinrichten(CMainFrame& frame);

// The conditions kept in the settings, a user's usual fluid system; the
// defaults when none are kept or the kept ones are not allowed.
Lagerstaettenbedingungen LagerstaettenbedingungenLaden();
void LagerstaettenbedingungenSpeichern(const Lagerstaettenbedingungen& b);
