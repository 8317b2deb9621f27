#include "ZeilenDelegate.h"

QSize ZeilenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize groesse = QStyledItemDelegate::sizeHint(option, index);
  groesse.rheight() += 2;
  return groesse;
}
