#pragma once

#include <string>
#include <vector>

#include "Textliste.h"

// One measurement of the working lines, as the data dialog's drop-down
// offers it for the single measurement: the header's core label and
// permeability.
struct Messungseintrag {
  std::string kern;   // empty when the header names none
  float perm = 0.0f;  // mD, as read from the header
  std::string text;   // "AD-258: 0.00946 mD"
};

// The measurements of `zeilen`, in order: every header line the OK button's
// lookup finds ("PERMEABILITAET:" followed by a number), with a permeability
// the field takes (above 0, at most 1000000 mD). The permeability is written
// as the field shows it, so that choosing an entry gives exactly the
// header's value.
std::vector<Messungseintrag> MessungenAuflisten(const Textliste& zeilen);

// The index of the first entry with exactly this permeability, -1 when none.
int MessungFinden(const std::vector<Messungseintrag>& messungen, float perm);
