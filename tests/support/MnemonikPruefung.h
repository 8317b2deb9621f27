#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QWidget>

// Checks the mnemonics (Alt+letter) of a menu, a menu bar or a dialog: every
// visible item or button has one, and no two share a letter. Returns the
// problems found, each naming the text; empty when all is well.
namespace mnemoniken {

namespace detail {

inline void Pruefen(const QString& text, QMap<QKeySequence, QString>& gesehen, QStringList& probleme) {
  const QKeySequence taste = QKeySequence::mnemonic(text);
  if (taste.isEmpty()) {
    probleme << QStringLiteral("ohne Mnemonik: %1").arg(text);
    return;
  }
  if (gesehen.contains(taste)) {
    probleme << QStringLiteral("%1 doppelt: %2 / %3").arg(taste.toString(), gesehen.value(taste), text);
    return;
  }
  gesehen.insert(taste, text);
}

}  // namespace detail

// The visible items of a menu or menu bar (separators aside); with
// `untermenues`, every menu below it too, each on its own.
inline QStringList MenuePruefen(const QWidget* behaelter, bool untermenues = true) {
  QStringList probleme;
  QMap<QKeySequence, QString> gesehen;
  for (const QAction* a : behaelter->actions()) {
    if (a->isSeparator() || !a->isVisible()) continue;
    detail::Pruefen(a->text(), gesehen, probleme);
    if (untermenues && a->menu()) probleme << MenuePruefen(a->menu(), true);
  }
  return probleme;
}

// The visible buttons of a dialog (push buttons, check boxes, radio buttons)
// and its labels that lead to a field.
inline QStringList DialogPruefen(const QWidget* dialog) {
  QStringList probleme;
  QMap<QKeySequence, QString> gesehen;
  for (const QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
    if (knopf->isVisibleTo(dialog) && !knopf->text().isEmpty()) detail::Pruefen(knopf->text(), gesehen, probleme);
  }
  for (const QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->buddy() && label->isVisibleTo(dialog)) detail::Pruefen(label->text(), gesehen, probleme);
  }
  return probleme;
}

}  // namespace mnemoniken
