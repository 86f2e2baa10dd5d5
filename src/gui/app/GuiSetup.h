#pragma once

class QApplication;

namespace pelinor {

// Everything the program and the GUI tests need before the first window: the resources, Chinese
// standard buttons and calendars (Qt's zh_CN translation, Chinese/China as default locale) and
// a font with CJK glyphs for every text.
void setUpGui(QApplication& application);

} // namespace pelinor
