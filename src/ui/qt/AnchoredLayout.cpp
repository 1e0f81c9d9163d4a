#include "ui/qt/AnchoredLayout.h"

void AnchoredLayout::Place(QWidget* widget, QRect rect, int anchors) {
    widget->setGeometry(rect);
    items_.push_back(Item{widget, rect, anchors});
}

void AnchoredLayout::Move(QWidget* widget, QRect rect) {
    for (Item& item : items_) {
        if (item.widget == widget) {
            item.rect = rect;
        }
    }
}

void AnchoredLayout::Apply(QSize current) const {
    int dw = current.width() - design_.width();
    int dh = current.height() - design_.height();
    for (const Item& item : items_) {
        QRect r = item.rect;
        int left = r.left();
        int top = r.top();
        int width = r.width();
        int height = r.height();
        if (item.anchors & Right) {
            if (item.anchors & Left) {
                width += dw;
            } else {
                left += dw;
            }
        }
        if (item.anchors & Bottom) {
            if (item.anchors & Top) {
                height += dh;
            } else {
                top += dh;
            }
        }
        item.widget->setGeometry(left, top, qMax(width, 0), qMax(height, 0));
    }
}
