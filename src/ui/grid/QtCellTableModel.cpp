#include "ui/grid/QtCellTableModel.h"

QtCellTableModel::QtCellTableModel(const CellTable& table, EditHandler onEdit, QObject* parent)
    : QAbstractTableModel(parent), table_(table), onEdit_(std::move(onEdit)) {}

void QtCellTableModel::Reload() {
    beginResetModel();
    endResetModel();
}

void QtCellTableModel::SetEditable(bool editable) {
    editable_ = editable;
    Reload();
}

QString QtCellTableModel::Corner() const {
    return QString::fromStdString(table_.Cell(0, 0));
}

int QtCellTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (table_.RowCount() > 0 ? table_.RowCount() - 1 : 0);
}

int QtCellTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || table_.RowCount() == 0 ? 0 : CellTable::kColumns - 1;
}

QVariant QtCellTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return QString::fromStdString(table_.Cell(index.column() + 1, index.row() + 1));
}

bool QtCellTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable_) {
        return false;
    }
    std::string text = value.toString().toStdString();
    if (text == table_.Cell(index.column() + 1, index.row() + 1)) {
        return false;
    }
    if (!onEdit_(index.column() + 1, index.row() + 1, text)) {
        return false;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags QtCellTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (!table_.IsDataCell(index.column() + 1, index.row() + 1)) {
        return Qt::ItemIsEnabled;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return editable_ ? f | Qt::ItemIsEditable : f;
}

QVariant QtCellTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return QString::fromStdString(table_.Cell(section + 1, 0));
    }
    return QString::fromStdString(table_.Cell(0, section + 1));
}
