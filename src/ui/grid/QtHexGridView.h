#pragma once
#include <QTableView>

class QtCellTableModel;

// A memory grid: fixed-pitch 13-pixel text, 20-pixel rows, the table's header row and
// column shown as the view's headers (so they stay in place while scrolling) and the
// corner showing the table's name ("PROG", "EEPR").
class QtHexGridView : public QTableView {
    Q_OBJECT
public:
    QtHexGridView(QtCellTableModel* model, int columnWidth, int headerWidth,
                  QWidget* parent = nullptr);
    // Re-applies the fixed sizes after the model was reset.
    void ApplySizes();
    void SetHeaderWidth(int width);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtCellTableModel* model_;
    int columnWidth_;
    int headerWidth_;
};
