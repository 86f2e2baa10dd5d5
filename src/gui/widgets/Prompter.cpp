#include "gui/widgets/Prompter.h"

#include "gui/widgets/MessageBoxPrompter.h"

namespace pelinor {

namespace {

std::shared_ptr<Prompter>& installed()
{
    static std::shared_ptr<Prompter> current = std::make_shared<MessageBoxPrompter>();
    return current;
}

} // namespace

Prompter& prompter()
{
    return *installed();
}

std::shared_ptr<Prompter> setPrompter(std::shared_ptr<Prompter> replacement)
{
    auto previous = installed();
    installed() = replacement ? std::move(replacement) : std::make_shared<MessageBoxPrompter>();
    return previous;
}

ScopedPrompter::ScopedPrompter(std::shared_ptr<Prompter> replacement)
    : m_previous(setPrompter(std::move(replacement)))
{
}

ScopedPrompter::~ScopedPrompter()
{
    setPrompter(m_previous);
}

} // namespace pelinor
