#pragma once

#include <vector>

#include <QDialog>

#include "SaettigungshoehenWahl.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The dialog "Sättigungshöhenmodell": the model, the rock type the J and
// Thomeer models are fitted on, the table of rocks (k in mD, φ as a
// fraction) and the greatest height. It only shows and collects; reading and
// checking live with the value (lagerstaette::TexteLesen). OK with a value
// outside its range shows the message and keeps the dialog open on that
// field.
class CSaettigungshoehenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSaettigungshoehenDlg(QWidget* parent = nullptr);

  // The rock types offered besides "alle" (the field also takes any other).
  void SetGesteinstypen(const std::vector<int>& typen);
  void SetWahl(const SaettigungshoehenWahl& w);
  // The choice as OK accepted it (before: the one given to SetWahl).
  const SaettigungshoehenWahl& Wahl() const { return wahl_; }

  QComboBox* ModellFeld() const { return modell_; }
  QComboBox* GesteinstypFeld() const { return typ_; }
  QTableWidget* GesteineFeld() const { return gesteine_; }
  QLineEdit* HoeheFeld() const { return hoehe_; }
  QPushButton* ZeileDazu() const { return dazu_; }
  QPushButton* ZeileWeg() const { return weg_; }

  void accept() override;

 private:
  // Shows the message and puts the cursor on the field it is about.
  void Ablehnen(const std::string& fehler, const lagerstaette::WahlFeld& feld);

  QComboBox* modell_ = nullptr;
  QComboBox* typ_ = nullptr;
  QTableWidget* gesteine_ = nullptr;
  QLineEdit* hoehe_ = nullptr;
  QPushButton* dazu_ = nullptr;
  QPushButton* weg_ = nullptr;
  SaettigungshoehenWahl wahl_;
};
