#include "Palette.h"

#include <algorithm>

namespace palette {

Farbe Klassenfarbe(int index, int anzahl) {
  if (anzahl < 1) anzahl = 1;
  index = std::clamp(index, 0, anzahl - 1);
  if (anzahl > kFarbanzahl) return kFarben[index % kFarbanzahl];
  if (anzahl == 1) return kFarben[0];
  // Rounded to the nearest colour of an even spread from the first to the last.
  const int stelle = (2 * index * (kFarbanzahl - 1) + (anzahl - 1)) / (2 * (anzahl - 1));
  return kFarben[stelle];
}

}  // namespace palette
