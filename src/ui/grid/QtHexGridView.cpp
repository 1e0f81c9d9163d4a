#include "ui/grid/QtHexGridView.h"

#include "ui/grid/QtCellTableModel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {
constexpr int kRowHeight = 20;
constexpr int kFontPixels = 13;
} // namespace

QtHexGridView::QtHexGridView(QtCellTableModel* model, int columnWidth, int headerWidth,
                             QWidget* parent)
    : QTableView(parent), model_(model), columnWidth_(columnWidth), headerWidth_(headerWidth) {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(kFontPixels);
    setFont(fixed);
    setModel(model);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setFont(fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(columnWidth);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setFixedHeight(kRowHeight);
    horizontalHeader()->setFont(fixed);
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    ApplySizes();
}

void QtHexGridView::SetHeaderWidth(int width) {
    headerWidth_ = width;
    verticalHeader()->setFixedWidth(width);
}

void QtHexGridView::ApplySizes() {
    horizontalHeader()->setDefaultSectionSize(columnWidth_);
    verticalHeader()->setFixedWidth(headerWidth_);
}

bool QtHexGridView::eventFilter(QObject* watched, QEvent* event) {
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner != nullptr && event->type() == QEvent::Paint) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.state = QStyle::State_None | QStyle::State_Enabled;
        option.rect = corner->rect();
        option.text = model_->Corner();
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
