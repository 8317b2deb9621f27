#include "ZeilenDelegate.h"

#include <QStringListModel>

#include <algorithm>

QSize ZeilenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize groesse = QStyledItemDelegate::sizeHint(option, index);
  groesse.rheight() += 2;
  // The list gives every item the size of one: let that one be as wide as
  // the longest line, so the box scrolls far enough to show each line whole.
  const auto* modell = qobject_cast<const QStringListModel*>(index.model());
  if (modell == nullptr) return groesse;
  const QStringList zeilen = modell->stringList();
  const auto laengste = std::max_element(zeilen.cbegin(), zeilen.cend(),
                                         [](const QString& a, const QString& b) { return a.size() < b.size(); });
  if (laengste == zeilen.cend()) return groesse;
  const QModelIndex breiteste = modell->index(static_cast<int>(laengste - zeilen.cbegin()), index.column());
  groesse.setWidth(std::max(groesse.width(), QStyledItemDelegate::sizeHint(option, breiteste).width()));
  return groesse;
}
