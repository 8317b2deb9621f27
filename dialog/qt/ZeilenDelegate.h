#pragma once

#include <QStyledItemDelegate>

// Draws the items of the line list two pixels taller than the font needs,
// which keeps the rows of numbers apart, and as wide as its longest line.
class ZeilenDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
