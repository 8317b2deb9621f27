#include "KadrelDoc.h"
#include "Kopfzusatz.h"
#include "Plattform.h"
#include "TextFormat.h"
#include "TextScan.h"

namespace {

enum class Block { Leer, Kopf, Werte };

}  // namespace

int CKadrelDoc::MessungLesen() {
  Maxwerte = 0;
  bZuVieleWerte_ = false;
  int n = 0;
  Block block = Block::Leer;
  float shgVorher = 0.0f;

  if (bEinzelmessung == 1) {
    std::string wort;
    float zahl = 0.0f;
    for (int k = 0; k < iMaxZeilen; ++k) {
      if (text::Scan(Eingabezeilen[k], "%s %f", &wort, &zahl) == 2 && wort == "PERMEABILITAET:" &&
          zahl == PermAuswahl) {
        iStart = k;
        Meldung = text::Format("Die Messung mit der Permeabilität:%f wurde gewählt", PermAuswahl);
        plattform_.Meldung(Meldung);
        break;
      }
    }
  }

  int k = iStart;
  for (; k < iMaxZeilen && n < 100; ++k) {
    const std::string& zeile = Eingabezeilen[k];
    float p = 0.0f;
    float s = 0.0f;
    bool ausserhalb = false;
    const int zahlen = text::ScanGeprueft(zeile, "%f %f", ausserhalb, &p, &s);
    std::string wort;
    std::string kern;
    float zahl = 0.0f;
    // A number a float cannot hold makes the line faulty, wherever it stands.
    if (!ausserhalb && zahlen == 0) text::ScanGeprueft(zeile, "%s %f %s", ausserhalb, &wort, &zahl, &kern);
    if (ausserhalb) {
      Meldung = text::Format("ABBRUCH in der %d.Zeile\n%s", k + 1, zeile);
      plattform_.Meldung(Meldung);
      return 1;
    }
    if (zahlen == 2) {
      if (n == 0 && s != 0.0f) {
        plattform_.Meldung("ABBRUCH!Der 1.Sättigungswert ist nicht NULL");
        return 1;
      }
      if (n > 0 && s < shgVorher) {
        plattform_.Meldung("ABBRUCH!Die Sättigungen steigen nicht an!");
        return 1;
      }
      Shg[n] = s;
      Pc[n] = p;
      if (s == 0.0f) PcSperrdruck = p;
      shgVorher = s;
      block = Block::Werte;
      ++n;
    } else if (zahlen == 0) {
      const int m = text::Scan(zeile, "%s %f %s", &wort, &zahl, &kern);
      if (k == 0 && m < 2) {
        Meldung = text::Format("ABBRUCH Fehler in der 1.Zeile\n%s", zeile);
        plattform_.Meldung(Meldung);
        return 1;
      }
      if (m >= 2) {
        if (wort == "PERMEABILITAET:") {
          Perm = zahl;
          Kern = m == 3 ? kern : std::string();  // a header without label keeps none
          kopfzusatz_ = kopfzeile::Lesen(zeile);
          block = Block::Kopf;
        }
      } else if (m == 1) {
        if (wort == "ENDE") {
          iStart = k + 1;
          Maxwerte = n;
          if (n < 3) {
            plattform_.Meldung("ABBRUCH!Die Kapillardruckmessung hat weniger als 3 Messwerte!");
            Detailergebnisse.push_back("");
            Detailergebnisse.push_back(" ABBRUCH!");
            Detailergebnisse.push_back(" Die Kapillardruckmessung hat weniger als 3 Messwerte!");
            return 1;
          }
          if (block != Block::Werte) {
            plattform_.Meldung("ABBRUCH!Keine Werte zwischen Kopfzeile und ENDE-Zeile");
            return 1;
          }
          return 2;
        }
      } else {
        Meldung = text::Format("ABBRUCH in der %d.Zeile\nFalsche Daten\n%s", k + 1, zeile);
        plattform_.Meldung(Meldung);
        return 1;
      }
    } else {
      Meldung = text::Format("ABBRUCH in der %d.Zeile\n%s", k + 1, zeile);
      plattform_.Meldung(Meldung);
      return 1;
    }
  }
  // The block filled all 100 slots: the caller tells the user, since such a
  // measurement (and everything after it) is not evaluated.
  if (n >= 100) {
    bZuVieleWerte_ = true;
    iZuVieleWerteAb_ = iStart;
  }
  iStart = k + 1;
  return 0;
}
