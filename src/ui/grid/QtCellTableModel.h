#pragma once
#include "image/CellTable.h"

#include <QAbstractTableModel>
#include <functional>

// Shows a CellTable in a QTableView without a widget or item per cell: the table's data
// cells are the model's cells, its header row and column the view's headers.
class QtCellTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // onEdit is called for a user edit of data cell (column, row) of the CellTable, with
    // the new text; it stores the text and returns false when the cell is not editable.
    using EditHandler = std::function<bool(int column, int row, const std::string& text)>;

    QtCellTableModel(const CellTable& table, EditHandler onEdit, QObject* parent = nullptr);

    // Call after the table was reset or filled from outside the view.
    void Reload();
    void SetEditable(bool editable);
    // The corner text ("PROG", "EEPR").
    QString Corner() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const CellTable& table_;
    EditHandler onEdit_;
    bool editable_ = true;
};
