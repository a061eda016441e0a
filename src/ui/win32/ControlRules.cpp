// The rules of ControlRules.h, over the rows of the layout table.
#include "ControlRules.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace vellumet {

namespace {

// Controls share a window when they share a container and, on the tab control, a tab.
bool Siblings(const ControlLayout& one, const ControlLayout& other)
{
    return one.Container == other.Container && one.Tab == other.Tab;
}

// The first and last tab index of the options among the control's siblings.
std::pair<int, int> OptionTabIndexes(const ControlLayout& row)
{
    std::pair<int, int> range{INT_MAX, INT_MIN};
    for (const ControlLayout& other : MainWindowLayout)
        if (IsOption(other.Kind) && Siblings(other, row))
            range = {std::min(range.first, other.TabIndex), std::max(range.second, other.TabIndex)};
    return range;
}

} // namespace

bool IsOption(ControlKind kind) { return kind == ControlKind::OptionButton || kind == ControlKind::PushOption; }

bool IsTextField(ControlKind kind) { return kind == ControlKind::TextBox || kind == ControlKind::MultiLineTextBox; }

bool IsContainer(ControlKind kind) { return kind == ControlKind::Frame || kind == ControlKind::BorderlessFrame; }

bool HasCheck(ControlKind kind) { return kind == ControlKind::CheckBox || IsOption(kind); }

bool OpensGroup(const ControlLayout& row) { return !IsOption(row.Kind) || OptionTabIndexes(row).first == row.TabIndex; }

bool IsTabStop(const ControlLayout& row) { return TakesFocus(row.Kind) && !IsOption(row.Kind); }

// The tab control comes first of all, so that its pages follow it. Then the
// order of the tab indexes, except that a label standing between the options
// of a group follows the group, so that the arrow keys go from option to
// option without stopping at a label.
int TabOrderKey(const ControlLayout& row)
{
    if (row.Kind == ControlKind::TabControl)
        return INT_MIN;
    const auto [firstOption, lastOption] = OptionTabIndexes(row);
    if (!TakesFocus(row.Kind) && firstOption < row.TabIndex && row.TabIndex < lastOption)
        return 2 * lastOption + 1;
    return 2 * row.TabIndex;
}

bool EnterPresses(ControlKind kind) { return kind == ControlKind::CommandButton; }

} // namespace vellumet
