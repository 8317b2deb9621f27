#pragma once

#include <string>
#include <vector>

#include "EingabeDaten.h"
#include "Messungsauswahl.h"
#include "Textliste.h"
#include "ZaehlendePlattform.h"

class EingabeFenster;
class Plattform;

// The logic of the data dialog ("Dialogfeld zur Dateneingabe und
// Datenänderung"): the working lines and the list box, the line edit with
// its four modes and its checks, the options, the OK lookup, the file import
// and the test data. It talks to the user only through the platform's boxes
// and to its controls only through the window, so every rule runs without a
// toolkit. The members carry the values of the fields; UpdateData exchanges
// them with the controls.
class Dateneingabe {
 public:
  // Line types of ZeilenTyp.
  static constexpr int kFehler = -1;
  static constexpr int kKopfzeile = 0;
  static constexpr int kWerte = 1;
  static constexpr int kEndezeile = 2;

  // Modes of the line edit (`Option`).
  static constexpr int kAendern = 0;
  static constexpr int kAnhaengen = 1;
  static constexpr int kEinfuegen = 2;
  static constexpr int kLoeschen = 3;

  // The longest line the line edit takes.
  static constexpr int kMaxZeile = 79;

  Dateneingabe(Plattform& plattform, EingabeFenster& fenster);

  // Takes the document's lines and options before the dialog opens.
  void SetDaten(const EingabeDaten& daten);
  // Returns the working lines and options for the document.
  EingabeDaten Daten() const;

  // Exchanges the members with the controls: with true reads and checks
  // every field (returns false after the message of the first field that
  // fails; the fields after it keep their values), with false shows them.
  bool UpdateData(bool bSaveAndValidate = true);

  // Opening: fills the list box, change mode, nothing selected.
  int OnInitDialog();
  // A double-click on an item of the list box: that line goes into the
  // line edit, which receives the focus.
  void OnDblclkListe();
  // The four mode radios.
  void OnZeileAendern();
  void OnZeileAnhaengen();
  void OnZeileEinfuegen();
  void OnZeileLoeschen();
  // The commit: runs every time the line edit loses the focus.
  void OnKillfocusZeile();
  // Classifies one line (kFehler after showing its message, kKopfzeile,
  // kWerte, kEndezeile) and sets `shg` to its saturation (value line), -1
  // (header) or 2 (end line); leaves `shg` alone otherwise. With
  // bFormat = 1 a value line is rewritten into `Zeile` as " %8g %10g".
  // A number beyond float range gives the reader's message for line
  // `nummer` (1-based; by default the place of the line edit's text: the
  // selected line, or after the last one when appending or without selection).
  // A header line may carry POROSITAET: and SCHLIESSDRUCK: after its label;
  // one that kopfzeile::Lesen does not take is refused with its reason.
  int ZeilenTyp(int bFormat, std::string text, float& shg, int nummer = -1);

  // The OK button; with the single-measurement option it first looks up
  // the chosen permeability among the header lines.
  void OnButtonOk();
  void OnEinzelmessung();
  void OnKillfocusPermeabilitaet();
  void OnTabelleDetail();
  void OnTabelleNormierung();
  void OnTabelleFunktion();
  // The chart radios and the polynomial box take their value when clicked,
  // so that a later showing of the fields cannot undo the click.
  void OnGrafik();
  void OnPolynom3();
  void OnTestdaten();
  // "Datei einlesen": replaces the working lines by an imported file.
  void FileOpen();
  // The measurements the drop-down beside the permeability field offers:
  // those of the list box's lines.
  std::vector<Messungseintrag> Messungen() const { return MessungenAuflisten(Liste); }
  // An entry of that drop-down chosen: its permeability goes into the
  // field, whose checks then apply as to a typed value.
  void OnMessungGewaehlt(int index);

  // Number of message boxes and questions shown so far.
  int BoxenGezeigt() const { return plattform_.Boxen(); }

  // Reads the permeability edit: a number with a decimal point from 0 to
  // 1000000. On failure returns false with the message for the user.
  static bool PermeabilitaetLesen(const std::string& text, float& wert, std::string& meldung);
  // Writes a permeability for its edit, as short as "%g" and never losing
  // a digit, so that reading it back gives the same value.
  static std::string PermeabilitaetText(float wert);
  // Tells whether `neu`, the line edit's text after a keystroke or a paste,
  // holds no character the document file cannot store beyond those `vorher`
  // already held (a line taken from the list stays editable). Otherwise
  // `grund` names the first new such character and its place in `neu`, in
  // the words the save uses.
  static bool ZeichenSpeicherbar(const std::string& vorher, const std::string& neu, std::string& grund);

  // The working copy of the input lines; rebuilt from Liste after every
  // applied commit (the list is the authority while the dialog is open).
  Textliste Eingabezeilen;
  // The items of the list box 1000. Change it only through the list
  // operations below, which the window mirrors.
  Textliste Liste;
  std::string Zeile;
  std::string Hinweis;
  int Option = -1;
  int iZeile = -1;
  int iAnzahl = 0;
  int bNeuRechnen = 0;
  int bTestwerte = 0;
  int bEinzelmessung = 0;
  float PermAuswahl = 0.0f;
  int iGrafik = -1;
  int iTabelle = -1;
  int bPolynom3 = 0;

 private:
  void ListeAnhaengen(const std::string& zeile);
  void ListeEinfuegen(int index, const std::string& zeile);
  void ListeErsetzen(int index, const std::string& zeile);
  void ListeLoeschen(int index);
  void ListeLeeren();
  void ListeAuswaehlen(int index);

  // Runs the radio handler of the current mode again.
  void ModusAnwenden();
  // The platform's OK: reads the fields and ends the dialog unless a field
  // is refused.
  void OnOK();
  // Drops the single-measurement choice after a failed OK.
  void EinzelmessungZuruecksetzen();

  ZaehlendePlattform plattform_;
  EingabeFenster& fenster_;
};
