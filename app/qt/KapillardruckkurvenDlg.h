#pragma once

#include <vector>

#include <QDialog>

#include "Kurvenauswahl.h"
#include "Messkurve.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The choice of the chart "Kapillardruckkurven": the run's measurements in
// a list with check boxes (label and permeability), "Alle" and "Keine", and
// the x axis, Hg saturation or Sw. It only shows and collects the value.
class KapillardruckkurvenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit KapillardruckkurvenDlg(QWidget* parent = nullptr);

  // Shows `kurven` checked as `auswahl` says.
  void SetAuswahl(const std::vector<Messkurve>& kurven, const Kurvenauswahl& auswahl);
  // The choice as the dialog shows it now.
  Kurvenauswahl Auswahl() const;

  QListWidget* Liste() const { return liste_; }
  QPushButton* AlleKnopf() const { return alle_; }
  QPushButton* KeineKnopf() const { return keine_; }
  QRadioButton* HgKnopf() const { return hg_; }
  QRadioButton* SwKnopf() const { return sw_; }
  // "12 von 333 gewählt".
  QString Anzahltext() const;

 private:
  void AlleSetzen(bool an);
  void AnzahlZeigen();

  QListWidget* liste_;
  QLabel* anzahl_;
  QPushButton* alle_;
  QPushButton* keine_;
  QRadioButton* hg_;
  QRadioButton* sw_;
};
