#pragma once

#include <QString>

namespace pelinor {

// The receiving side of the navigator's typed calls. A page implements the interface of the calls
// that open it (multiple inheritance next to its QWidget base); the navigator finds it by the
// page's id and shows the page when the call returns true.

// Opens one child's archive by its archive number (the display page).
class ArchiveOpener
{
public:
    virtual ~ArchiveOpener() = default;
    virtual bool openArchive(const QString& archId) = 0;
};

// Starts afresh for a new record (the plan set-up).
class FreshStartPage
{
public:
    virtual ~FreshStartPage() = default;
    virtual void startNew() = 0;
};

// Opens a saved plan by its plan number (the plan editor).
class PlanOpener
{
public:
    virtual ~PlanOpener() = default;
    virtual bool openPlan(int planNumber) = 0;
};

// Opens one day of a saved plan (the menu view, the analysis); an empty day key means the plan's
// first day.
class PlanDayOpener
{
public:
    virtual ~PlanDayOpener() = default;
    virtual bool openPlanDay(int planNumber, const QString& dayKey) = 0;
};

} // namespace pelinor
