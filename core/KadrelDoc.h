#pragma once

#include <string>
#include <string_view>

#include <vector>

#include "Messkurve.h"
#include "Scharparameter.h"
#include "Textliste.h"

class Archiv;
class Plattform;
struct EingabeDaten;

// The single document: the input lines, the options of the data dialog, the
// arrays of the measurement being processed, the fit and regression results,
// the three result lists and the chart data. Views only read it.
class CKadrelDoc {
 public:
  explicit CKadrelDoc(Plattform& plattform);

  // Life cycle and commands.
  int OnNewDocument();
  bool Serialize(Archiv& ar);
  void OnDateiNeu();
  void OnDatenAendern();
  // "Daten ändern" on working lines from elsewhere (a laboratory table): the
  // dialog opens on them as changed lines; OK takes them and runs, Cancel
  // leaves the document as it was.
  void OnDatenAendern(const Textliste& arbeitszeilen);
  // False (after the message) when aus.txt was not written.
  bool OnErgebnisseAusgeben();
  // False (after the message, with the lists unchanged) when aus.txt is
  // there but cannot be read; a missing file reads as no lines.
  bool OnErgebnisseEinlesen();
  // Writes `liste` to aus.txt as "Ergebnisse ausgeben" does and shows
  // `erfolgsmeldung`; false (after a message) when the file was not written.
  bool ListeAusgeben(const Textliste& liste, const std::string& erfolgsmeldung);

  // Loads a document file from its bytes; on failure returns false with the
  // reason in `fehler` and leaves the document as it was.
  bool DokumentLaden(std::string_view bytes, std::string& fehler);
  // Stores the input lines as document file bytes; fails (with the reason)
  // when a line holds a character the file's code page cannot hold.
  bool DokumentSpeichern(std::string& bytes, std::string& fehler) const;

  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& pfad) { m_strPathName = pfad; }
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool geaendert = true) { m_bModified = geaendert; }

  // The calculation run and its steps.
  void Berechnung();
  void Initialisieren();
  int MessungLesen();
  int Normieren();
  void AlfaBeta();
  double AlfaAbleitung(double a, double b);
  double BetaAbleitung(double a, double b);
  double Fehlerberechnung(double a, double b);
  void Nachrechnung(int status);

  // Permeability correlation.
  void Testwerte();
  int OnParameter();
  void Normalgleichungen(double A[8][9]);
  void Eliminieren(double A[8][9]);
  void Funktionsausgabe(double A[8][9], int Spalte, float maxDruck);
  void Parameter_Grafik();
  void Gesamtgrafik();
  void Grafikdaten();

  // The list the text view shows and aus.txt receives, by iTabelle; null for
  // any other value.
  const Textliste* GewaehlteListe() const;

  Plattform& GetPlattform() { return plattform_; }

  // Members in the order of the original declaration.
  std::string Untertitel;
  Textliste Parameterliste;
  Textliste Detailergebnisse;
  Textliste Parameterfunktionen;
  Textliste Eingabezeilen;
  float X[100] = {};
  float Y[100] = {};
  float Shg[100] = {};
  float Pc[100] = {};
  float PcSperrdruck = 0.0f;
  float ShgMax = 0.0f;
  float Perm = 0.0f;
  float Ymax = 0.0f;
  float X2[100] = {};
  float Y1[100] = {};
  float Y2[100] = {};
  float Y3[100] = {};
  float C[7] = {};
  float C_[4][7] = {};
  float XK[5][31] = {};
  float YK[5][31] = {};
  float PermAuswahl = 0.0f;
  float MaxPchg = 0.0f;
  double Alfa = 0.0;
  double Beta = 0.0;
  double Error = 0.0;
  int iStart = 0;
  int iMaxZeilen = 0;
  int Maxwerte = 0;
  int iMax2Werte = 0;
  int iKoeff = 0;
  int kmax = 0;
  int iGrafik = 0;
  int iTabelle = 0;
  int bNeuRechnen = 0;
  int bTestwerte = 0;
  int bEinzelmessung = 0;
  int bPolynom3 = 0;
  std::string Info;
  std::string Titel;
  std::string Kern;
  std::string YText;
  std::string XText;
  std::string Legende1;
  std::string Legende2;
  std::string Y1Text;
  std::string Meldung;

  // The settings of the study the document holds besides its lines (see
  // Archiv::StudieSchreiben), as the analyses write them; never read by the run.
  Textliste Studie;

  // Kept for the analyses beside the evaluation; never read by the run.
  // Every measurement the last measurement loop read completely, in input order.
  std::vector<Messkurve> Messkurven;
  // The family's parameters of the curves it computed: rows 0 .. iScharKurven - 1.
  Scharparameter Schar[5];
  int iScharKurven = 0;
  // The message that stopped the family before its fifth curve; empty when
  // it ran to the end or never started.
  std::string ScharAbbruch;
  // Counts the calculation runs, so that results derived from a run can tell
  // when they are out of date.
  int iLauf = 0;

 private:
  // Column header of the parameter list, above the summary rows and the test rows.
  static constexpr const char* kParameterKopf =
      " PERMEABILITÄT  ALFA    BETA   SPERRDRUCK Min.Sw   Max.DRUCK  FEHLER  KERN";

  void OptionenZuruecksetzen();
  // Drops every result of the previous run, so that a loaded document shows
  // nothing it did not produce until it has been calculated.
  void ErgebnisseVerwerfen();
  void DatenDialogOeffnen(const Textliste& zeilen, int neuRechnen);
  void DatenUebernehmen(EingabeDaten& dialog);
  void Korrelation();
  void ZuVieleWerteMelden();
  // Keeps the measurement just evaluated in Messkurven.
  void MesskurveMerken(int status);

  // Reads the seven numbers of a summary row; returns how many were read
  // (-1 for a blank row).
  static int SummenzeileLesen(const std::string& zeile, float werte[7]);
  // The value regressed for parameter p (0 Alfa, 1 Beta, 2 Sperrdruck,
  // 3 Min.Sw) from a row's numbers: Alfa itself, else the logarithm; false
  // when the value is not above 0 and so has no logarithm.
  static bool ParameterWert(int p, const float werte[7], float& y);
  // The regression polynomial of parameter p at x, in single precision as the
  // parameter chart draws it.
  float ParameterPolynom(int p, float x) const;
  // Ends the regression: message box, note in the detail list, no
  // coefficients and no partial function report left behind.
  int RegressionAbbrechen(const std::string& text);
  // Ends the curve family with a message box.
  void GesamtgrafikAbbrechen(const std::string& text);
  // Fills aus[i] = X[i]^Alfa for the points with X[i] > 0.
  void AlfaPotenzen(double* aus);

  bool bPassUngueltig_ = false;  // the last function block held a number beyond float range
  Textliste Ausgelassen_;        // rows left out of the current pass, noted in its block
  Kopfzusatz kopfzusatz_;        // the added words of the header line read last
  bool bZuVieleWerte_ = false;   // the last read stopped at 100 value lines
  int iZuVieleWerteAb_ = 0;      // index of the line where that block began

  Plattform& plattform_;
  std::string m_strPathName;
  bool m_bModified = false;
};
