#include "KadrelDoc.h"

#include "Cp1252.h"
#include "Plattform.h"
#include "TextFormat.h"
#include "Textdatei.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kErgebnisdatei = "aus.txt";
// A read takes at most this many characters of a line, line end included.
constexpr std::size_t kStueckLaenge = 99;
// Reading back stops after this many pieces.
constexpr int kMaxStuecke = 1000;

const char* const kGeschrieben[3] = {
    "Die Detailergebnisse sind in die Datei aus.txt geschrieben!",
    "Die Parameterliste wurde in die Datei aus.txt geschrieben!",
    "Die Parameterfunktionen wurden in die Datei aus.txt geschrieben!",
};

const char* const kNichtGeschrieben = "ABBRUCH! Die Datei aus.txt wurde nicht geschrieben!\n";

// Cuts the file's text into the pieces a line-wise read with a buffer of 100
// bytes returns: the rest of the current line, at most 99 characters, with
// its line end. CR LF counts as one line end, as text mode reads it.
Textliste StueckeLesen(std::string_view bytes, int maxStuecke) {
  Textliste stuecke;
  std::string stueck;
  std::size_t pos = 0;
  while (pos < bytes.size() && static_cast<int>(stuecke.size()) < maxStuecke) {
    stueck.clear();
    bool zeilenende = false;
    while (pos < bytes.size() && stueck.size() < kStueckLaenge) {
      if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
      const char c = bytes[pos++];
      stueck += c;
      if (c == '\n') {
        zeilenende = true;
        break;
      }
    }
    // The line end is not part of the text; every character of the line is.
    if (zeilenende) stueck.pop_back();
    stuecke.push_back(text::Cp1252NachUtf8(stueck));
  }
  return stuecke;
}

}  // namespace

bool CKadrelDoc::OnErgebnisseAusgeben() {
  const Textliste* liste = GewaehlteListe();
  if (liste == nullptr) return true;
  return ListeAusgeben(*liste, kGeschrieben[iTabelle]);
}

bool CKadrelDoc::ListeAusgeben(const Textliste& liste, const std::string& erfolgsmeldung) {
  // The whole text is converted before anything is written, so a line the
  // code page cannot hold leaves the previous file untouched.
  std::string bytes;
  std::string fehler;
  std::string zeile;
  if (!liste.empty()) {
    if (!text::Utf8NachCp1252(GetPathName(), zeile, &fehler)) {
      plattform_.Meldung(kNichtGeschrieben + text::Format("Dateiname des Dokuments: %s", fehler));
      return false;
    }
    bytes += zeile + '\n';
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (!text::Utf8NachCp1252(liste[i], zeile, &fehler)) {
        plattform_.Meldung(kNichtGeschrieben + text::Format("%d.Zeile: %s", static_cast<long long>(i + 1), fehler));
        return false;
      }
      bytes += zeile + '\n';
    }
  }

  if (!text::DateiSchreiben(kErgebnisdatei, bytes, fehler)) {
    plattform_.Meldung(kNichtGeschrieben + fehler);
    return false;
  }
  plattform_.Meldung(erfolgsmeldung);
  return true;
}

bool CKadrelDoc::OnErgebnisseEinlesen() {
  // Only what the pieces can hold is read, so a huge or endless file ends
  // quickly; one byte more shows whether a CR is followed by its LF.
  constexpr std::size_t kHoechstens = kMaxStuecke * (kStueckLaenge + 1) + 1;
  std::string bytes;
  std::string fehler;
  std::error_code ec;
  const bool vorhanden = std::filesystem::exists(kErgebnisdatei, ec) || ec;
  if (vorhanden && !text::DateiAnfangLesen(kErgebnisdatei, kHoechstens, bytes, fehler)) {
    // A file that is there but cannot be read leaves the lists as they are.
    plattform_.Meldung(fehler);
    return false;
  }

  Detailergebnisse.clear();
  Parameterliste.clear();
  iTabelle = 0;
  if (vorhanden) Detailergebnisse = StueckeLesen(bytes, kMaxStuecke);
  const int anzahl = static_cast<int>(Detailergebnisse.size());

  plattform_.AnsichtenAktualisieren();
  plattform_.Meldung(text::Format("%d Zeilen wurden eingelesen", anzahl));
  return true;
}
