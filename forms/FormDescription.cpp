#include "forms/FormDescription.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace jestrel::forms
{

std::string shownCaption(std::string_view caption)
{
    std::string shown;
    shown.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

const ControlDescription &FormDescription::control(std::string_view controlName) const
{
    const auto found = std::ranges::find(controls, controlName, &ControlDescription::name);
    if (found == controls.end())
        throw std::logic_error(std::string(name) + " has no control named " + std::string(controlName));
    return *found;
}

std::vector<const ControlDescription *> FormDescription::tabOrder() const
{
    std::vector<const ControlDescription *> order;
    for (const ControlDescription &described : controls)
        order.push_back(&described);
    std::ranges::sort(order, {}, &ControlDescription::tabIndex);
    return order;
}

} // namespace jestrel::forms
