#pragma once
// A list view's rows for Qt's item views. The cells are read from the control model
// when a view asks (only the rows on screen), so the rows are held once, in the
// model; sync() tells the view about rows added since the last turn, or resets it
// when rows were removed.
#include <QAbstractTableModel>

#include "host/controls.h"

namespace host::qt {

class RowsModel : public QAbstractTableModel {
 public:
  explicit RowsModel(ListView& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Brings the shown row count up to the list's: appends while the list's generation
  // is unchanged, resets when it changed (rows were removed). GUI thread.
  void sync();

 private:
  ListView& list_;
  int shown_ = 0;
  unsigned long generation_ = 0;
};

}  // namespace host::qt
