#include "gui/navigation/PageRegistry.h"

#include <algorithm>

namespace pelinor {

namespace {

constexpr int kFirstUnnumbered = 100;

std::vector<PageRegistration>& storage()
{
    static std::vector<PageRegistration> rows;
    return rows;
}

// Where a page comes in the tour: the home page, the other numbered pages, the knowledge page,
// then each hub's pages, strip buttons first.
std::pair<int, int> tourRank(const PageRegistration& row)
{
    if (row.id == PageId::CenterHub) {
        return { 0, 0 };
    }
    if (!row.inHub()) {
        return { 1, static_cast<int>(row.id) };
    }
    const int hub = static_cast<int>(row.hub);
    const int strip = row.stripPosition >= 0 ? row.stripPosition : 1000 + static_cast<int>(row.id);
    return { 2 + hub, strip };
}

} // namespace

std::optional<int> PageRegistration::number() const
{
    const int value = static_cast<int>(id);
    return value < kFirstUnnumbered ? std::optional<int>(value) : std::nullopt;
}

bool PageRegistration::inHub() const
{
    return isHub(hub) && hub != id;
}

void PageRegistry::add(PageRegistration row)
{
    auto& rows = storage();
    const auto place
        = std::upper_bound(rows.begin(), rows.end(), row.id, [](PageId id, const PageRegistration& existing) {
              return static_cast<int>(id) < static_cast<int>(existing.id);
          });
    rows.insert(place, std::move(row));
}

const std::vector<PageRegistration>& PageRegistry::rows()
{
    return storage();
}

const PageRegistration* PageRegistry::find(PageId id)
{
    for (const auto& row : storage()) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

int PageRegistry::count(PageId id)
{
    return static_cast<int>(
        std::count_if(storage().begin(), storage().end(), [id](const PageRegistration& row) { return row.id == id; }));
}

std::vector<PageId> PageRegistry::subPagesOf(PageId hub)
{
    std::vector<PageId> pages;
    for (const auto& row : storage()) {
        if (row.inHub() && row.hub == hub) {
            pages.push_back(row.id);
        }
    }
    return pages;
}

std::vector<const PageRegistration*> PageRegistry::stripOf(PageId hub)
{
    std::vector<const PageRegistration*> buttons;
    for (const auto& row : storage()) {
        if (row.inHub() && row.hub == hub && row.stripPosition >= 0) {
            buttons.push_back(&row);
        }
    }
    std::stable_sort(buttons.begin(), buttons.end(),
        [](const PageRegistration* a, const PageRegistration* b) { return a->stripPosition < b->stripPosition; });
    return buttons;
}

std::vector<const PageRegistration*> PageRegistry::homeTiles()
{
    std::vector<const PageRegistration*> tiles;
    for (const auto& row : storage()) {
        if (row.homeTile >= 0) {
            tiles.push_back(&row);
        }
    }
    std::stable_sort(tiles.begin(), tiles.end(),
        [](const PageRegistration* a, const PageRegistration* b) { return a->homeTile < b->homeTile; });
    return tiles;
}

std::vector<TourStep> PageRegistry::tourSteps()
{
    std::vector<const PageRegistration*> order;
    for (const auto& row : storage()) {
        order.push_back(&row);
    }
    std::stable_sort(order.begin(), order.end(),
        [](const PageRegistration* a, const PageRegistration* b) { return tourRank(*a) < tourRank(*b); });
    std::vector<TourStep> steps;
    for (const PageRegistration* row : order) {
        for (const TourPicture& picture : row->tour) {
            steps.push_back({ picture.name, row->id, picture.take });
        }
    }
    return steps;
}

PageRegistrar::PageRegistrar(std::initializer_list<PageRegistration> rows)
{
    for (const auto& row : rows) {
        PageRegistry::add(row);
    }
}

QString pageTitle(PageId page)
{
    const PageRegistration* row = PageRegistry::find(page);
    return row ? row->title : QString();
}

QString pageClassName(PageId page)
{
    const PageRegistration* row = PageRegistry::find(page);
    return row ? row->className : QString();
}

std::vector<PageId> subPagesOf(PageId hub)
{
    return PageRegistry::subPagesOf(hub);
}

std::optional<PageId> hubOf(PageId page)
{
    const PageRegistration* row = PageRegistry::find(page);
    if (row && row->inHub()) {
        return row->hub;
    }
    return std::nullopt;
}

std::vector<TourStep> tourSteps()
{
    return PageRegistry::tourSteps();
}

} // namespace pelinor
