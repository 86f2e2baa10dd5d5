#pragma once

#include "TempDataFolder.h"
#include "core/common/Clock.h"
#include "reports/Report.h"
#include "reports/ReportOutput.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelinor::test {

// Reports written to PDF with the program's clock fixed at `now`, so the printed dates are known.
class ReportPdfTest : public ::testing::Test
{
protected:
    explicit ReportPdfTest(DateTime now)
        : m_now(now)
    {
    }
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(m_now));
    }
    void TearDown() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }
    std::string pdf(const Report& report)
    {
        const std::string path = m_dir.path() + "/report.pdf";
        EXPECT_EQ(writeReportPdf(report, QString::fromStdString(path)).toStdString(), "");
        return path;
    }
    static bool has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    TempDirectory m_dir;

private:
    DateTime m_now;
};

} // namespace pelinor::test
