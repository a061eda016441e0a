// The focus order worked out from the layout's tab indexes, the Alt letters that captions mark, and the
// controls Enter presses.
#include "Keyboard.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <utility>
#include <vector>

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

std::optional<char> MarkedLetter(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&') {
            if (caption[i + 1] != '&')
                return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
            ++i;
        }
    return std::nullopt;
}

std::span<const LabelKey> LabelKeys()
{
    static const std::vector<LabelKey> keys = [] {
        std::vector<LabelKey> found;
        for (const ControlLayout& row : MainWindowLayout)
            if (const auto letter = MarkedLetter(row.Caption); letter && FieldLabelledBy(row.Id))
                found.push_back({*letter, row.Id});
        return found;
    }();
    return keys;
}

std::optional<Control> LabelWithKey(char letter)
{
    const char capital = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const LabelKey& key : LabelKeys())
        if (key.Letter == capital)
            return key.Label;
    return std::nullopt;
}

bool EnterPresses(Control focused) { return LayoutOf(focused).Kind == ControlKind::CommandButton; }

} // namespace vellumet
