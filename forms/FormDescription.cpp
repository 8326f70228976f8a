#include "forms/FormDescription.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace jestrel::forms
{

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
