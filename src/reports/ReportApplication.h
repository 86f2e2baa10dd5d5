#pragma once

#include <memory>

class QGuiApplication;

namespace pelinor {

// The Qt application a program without windows needs to paint reports (fonts live in it): a
// QGuiApplication on the offscreen platform unless QT_QPA_PLATFORM names another, with the
// program's CJK font. Does nothing when an application exists already. Numbers keep the C
// locale's decimal point.
class ReportApplication
{
public:
    ReportApplication();
    ~ReportApplication();
    ReportApplication(const ReportApplication&) = delete;
    ReportApplication& operator=(const ReportApplication&) = delete;

    // False when the font with Chinese glyphs is missing, so the text of a report would not show.
    static bool hasChineseFont();

private:
    std::unique_ptr<QGuiApplication> m_application;
};

} // namespace pelinor
