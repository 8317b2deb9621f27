#include "ZeilenModell.h"

QVariant ZeilenModell::data(const QModelIndex& index, int role) const {
  return QStringListModel::data(index, role == Qt::ToolTipRole ? Qt::DisplayRole : role);
}
