// The document loader: any bytes load or fail cleanly; what loads saves, and
// saving what was reloaded gives the same bytes, lines and study block again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Archiv.h"
#include "FuzzPlattform.h"
#include "Textliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string_view bytes(reinterpret_cast<const char*>(daten), laenge);
  Textliste liste;
  Archiv laden = Archiv::ZumLaden(bytes);
  if (!laden.ListeLesen(liste)) {
    FUZZ_PRUEFEN(!laden.Fehler().empty());
    return 0;
  }
  // The cut list is the full list's beginning.
  Textliste teil;
  FUZZ_PRUEFEN(Archiv::ZumLaden(bytes).ListeLesen(teil, true));
  FUZZ_PRUEFEN(teil.size() <= liste.size());
  for (std::size_t i = 0; i < teil.size(); ++i) FUZZ_PRUEFEN(teil[i] == liste[i]);

  const Textliste studie = laden.StudieLesen();

  Archiv speichern = Archiv::ZumSpeichern();
  if (!speichern.ListeSchreiben(liste)) return 0;  // a character Windows-1252 cannot hold
  FUZZ_PRUEFEN(speichern.StudieSchreiben(studie));
  const std::string erste(speichern.Bytes());
  Textliste wieder;
  Archiv zurueck = Archiv::ZumLaden(erste);
  FUZZ_PRUEFEN(zurueck.ListeLesen(wieder));
  FUZZ_PRUEFEN(wieder == liste);
  // A study read from 16-bit strings is valid text; it comes back as read.
  FUZZ_PRUEFEN(zurueck.StudieLesen() == studie);
  Archiv nochmal = Archiv::ZumSpeichern();
  FUZZ_PRUEFEN(nochmal.ListeSchreiben(wieder));
  FUZZ_PRUEFEN(nochmal.StudieSchreiben(studie));
  FUZZ_PRUEFEN(nochmal.Bytes() == erste);
  return 0;
}
