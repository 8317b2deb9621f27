// Reading aus.txt back: at most 1000 pieces of at most 99 characters, and a
// list written by the program reads back as written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Cp1252.h"
#include "FuzzPlattform.h"
#include "KadrelDoc.h"

namespace {

// aus.txt lies in the current folder: work in a temporary one.
bool InTempOrdner() {
  static const bool ok = [] {
    char muster[] = "/tmp/kadrel-fuzz-aus-XXXXXX";
    return mkdtemp(muster) != nullptr && chdir(muster) == 0;
  }();
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (!InTempOrdner()) std::abort();
  {
    std::ofstream aus("aus.txt", std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(laenge));
  }
  FuzzPlattform plattform;
  CKadrelDoc doc(plattform);
  FUZZ_PRUEFEN(doc.OnErgebnisseEinlesen());
  FUZZ_PRUEFEN(doc.Detailergebnisse.size() <= 1000);
  for (const auto& z : doc.Detailergebnisse) {
    std::string bytes;
    FUZZ_PRUEFEN(text::Utf8NachCp1252(z, bytes));
    FUZZ_PRUEFEN(bytes.size() <= 99);
  }

  // Lines without line ends, short enough for one piece, come back as written.
  Textliste liste;
  for (const auto& z : doc.Detailergebnisse) {
    if (z.find_first_of("\r\n") == std::string::npos && text::Zeichenzahl(z) < 99) liste.push_back(z);
  }
  if (liste.size() > 998) liste.resize(998);
  if (!doc.ListeAusgeben(liste, "geschrieben")) return 0;
  FUZZ_PRUEFEN(doc.OnErgebnisseEinlesen());
  Textliste soll;
  if (!liste.empty()) soll.push_back("");  // the document has no path
  soll.insert(soll.end(), liste.begin(), liste.end());
  FUZZ_PRUEFEN(doc.Detailergebnisse == soll);
  return 0;
}
