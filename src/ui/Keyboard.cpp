#include "Keyboard.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

namespace vellumet {

namespace {

// The first and last tab index of the options that stand in the same window as the control.
std::pair<int, int> OptionTabIndexes(const ControlLayout& row)
{
    std::pair<int, int> range{INT_MAX, INT_MIN};
    for (const ControlLayout& other : MainWindowLayout)
        if (IsOption(other.Id) && other.Container == row.Container && other.Tab == row.Tab)
            range = {std::min(range.first, other.TabIndex), std::max(range.second, other.TabIndex)};
    return range;
}

int OrderKey(const ControlLayout& row)
{
    if (row.Kind == ControlKind::TabControl)
        return INT_MIN;
    const auto [firstOption, lastOption] = OptionTabIndexes(row);
    if (!TakesFocus(row.Kind) && firstOption < row.TabIndex && row.TabIndex < lastOption)
        return 2 * lastOption + 1;
    return 2 * row.TabIndex;
}

std::array<Control, ControlCount - 1> Ordered()
{
    std::array<Control, ControlCount - 1> order{};
    std::ranges::transform(MainWindowLayout.begin() + 1, MainWindowLayout.end(), order.begin(), &ControlLayout::Id);
    std::ranges::stable_sort(order, {}, [](Control control) { return OrderKey(LayoutOf(control)); });
    return order;
}

} // namespace

std::span<const Control> KeyboardOrder()
{
    static const std::array<Control, ControlCount - 1> order = Ordered();
    return order;
}

bool EnterPresses(Control focused) { return LayoutOf(focused).Kind == ControlKind::CommandButton; }

} // namespace vellumet
