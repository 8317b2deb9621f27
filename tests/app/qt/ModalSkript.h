#pragma once

#include <deque>
#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Plays the user in front of the modal windows an action opens: every 10 ms
// it looks for a new modal window and hands it to the next step. Message box
// texts are recorded in order. A window no step is left for is cancelled after
// a few seconds, so that a test fails instead of hanging.
class ModalSkript {
 public:
  using Schritt = std::function<void(QWidget*)>;

  explicit ModalSkript(std::deque<Schritt> schritte = {}) : schritte_(std::move(schritte)) {
    uhr_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { Pruefen(); });
    timer_.start(10);
  }

  void Dazu(Schritt schritt) { schritte_.push_back(std::move(schritt)); }
  bool Fertig() const { return schritte_.empty(); }

  QStringList meldungen;  // texts of the message boxes seen
  QStringList fenster;    // class names of all modal windows seen

  // Clicks the button with the text (mnemonics ignored).
  static Schritt Klicken(const QString& text) {
    return [text](QWidget* w) {
      for (QAbstractButton* knopf : w->findChildren<QAbstractButton*>()) {
        if (knopf->text().remove(QLatin1Char('&')) == text) {
          knopf->click();
          return;
        }
      }
      if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->reject();
    };
  }
  // Closes a box with its only or escape button, a dialog with Cancel.
  static Schritt Abbrechen() {
    return [](QWidget* w) {
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        QAbstractButton* knopf = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
        if (knopf) knopf->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->reject();
      }
    };
  }
  static Schritt Annehmen() {
    return [](QWidget* w) {
      if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->accept();
    };
  }

 private:
  void Pruefen() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    if (w != letztes_) {
      letztes_ = w;
      uhr_.restart();
      fenster << QString::fromLatin1(w->metaObject()->className());
      if (auto* box = qobject_cast<QMessageBox*>(w)) meldungen << box->text();
      if (schritte_.empty()) return;
      Schritt schritt = std::move(schritte_.front());
      schritte_.pop_front();
      // Queued: a step that opens the next modal window must not block this
      // timer inside its own slot.
      QPointer<QWidget> ziel(w);
      QTimer::singleShot(0, [schritt = std::move(schritt), ziel] {
        if (ziel) schritt(ziel);
      });
    } else if (uhr_.elapsed() > 5000) {
      Abbrechen()(w);
    }
  }

  std::deque<Schritt> schritte_;
  QPointer<QWidget> letztes_;
  QElapsedTimer uhr_;
  QTimer timer_;
};
