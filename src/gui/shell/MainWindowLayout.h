#pragma once

#include <QRect>
#include <QSize>

namespace pelinor {

// Where the main window puts its parts for a client of width W and height H: the banner takes the
// top 122 pixels, the navigation bar 200 pixels on the left, the bottom bar the last 30 pixels.
struct MainWindowLayout
{
    static constexpr int kBannerHeight = 122;
    static constexpr int kNavigationWidth = 200;
    static constexpr int kBottomHeight = 30;
    static constexpr int kTitleWidth = 346;
    static constexpr int kDragHeight = 86;

    QRect navigation;
    QRect content;
    QRect bottom;
    QRect title;

    static MainWindowLayout forClient(const QSize& client);
};

} // namespace pelinor
