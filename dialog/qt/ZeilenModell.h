#pragma once

#include <QStringListModel>

// The lines of the list box; each item's tooltip is its whole line, which
// the narrow box may show only in part.
class ZeilenModell : public QStringListModel {
 public:
  using QStringListModel::QStringListModel;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
