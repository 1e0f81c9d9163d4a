#pragma once
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

// Keeps child widgets at fixed pixel positions, with edges that follow the parent's edges
// when it is resized (left/top/right/bottom anchors), as the main window's layout needs.
class AnchoredLayout {
public:
    enum Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    explicit AnchoredLayout(QSize designSize) : design_(designSize) {}

    void Place(QWidget* widget, QRect rect, int anchors = Left | Top);
    // Gives a placed widget another design rectangle (same anchors); Apply shows it.
    void Move(QWidget* widget, QRect rect);
    void Apply(QSize current) const;

private:
    struct Item {
        QWidget* widget;
        QRect rect;
        int anchors;
    };
    QSize design_;
    std::vector<Item> items_;
};
