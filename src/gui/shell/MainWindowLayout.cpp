#include "gui/shell/MainWindowLayout.h"

namespace pelinor {

MainWindowLayout MainWindowLayout::forClient(const QSize& client)
{
    const int w = client.width();
    const int h = client.height();
    MainWindowLayout layout;
    layout.navigation = QRect(0, kBannerHeight, kNavigationWidth, h - kBannerHeight - kBottomHeight);
    layout.content
        = QRect(kNavigationWidth, kBannerHeight, w - kNavigationWidth - 1, h - kBannerHeight - kBottomHeight);
    layout.bottom = QRect(0, h - kBottomHeight, w - 1, kBottomHeight);
    layout.title = QRect(w - kTitleWidth, 0, kTitleWidth, kBannerHeight);
    return layout;
}

} // namespace pelinor
