#include "host/qt/rows_model.h"

#include "host/qt/qt_text.h"

namespace host::qt {

namespace {
Qt::Alignment alignmentOf(Align align) {
  return (align == Align::centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}
}  // namespace

RowsModel::RowsModel(ListView& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), generation_(list.generation()) {}

int RowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

int RowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : list_.columnCount(); }

QVariant RowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
      // a row removed since the last sync reads as empty until the reset arrives
      return toQString(list_.cellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignmentOf(list_.columns()[index.column()].align));
    default:
      return {};
  }
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= list_.columnCount()) return {};
  const Column& column = list_.columns()[section];
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return toQString(column.title);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(column.align));
  return {};
}

void RowsModel::sync() {
  // The generation is read before the count: a removal between the two reads shows up
  // as a new generation on the next turn (its change posts another sync).
  const unsigned long generation = list_.generation();
  const int count = list_.rowCount();
  if (generation != generation_ || count < shown_) {
    beginResetModel();
    generation_ = generation;
    shown_ = count;
    endResetModel();
  } else if (count > shown_) {
    beginInsertRows({}, shown_, count - 1);
    shown_ = count;
    endInsertRows();
  }
}

}  // namespace host::qt
