// Prints what a screen reader on Linux should find of each control of the main
// window once it has loaded: a line a control, fields separated by tabs.
//   name  container  AT-SPI role  spoken name  enabled  checked  showing
// tools/check-accessibility-tree compares the running program with it.

#include "support/WindowDriver.h"

#include <iostream>
#include <iterator>
#include <string_view>

using namespace vellumet;

namespace {

// The names AT-SPI gives the roles, in the order of AccessibleRole, as screen
// readers and their tools show them.
constexpr std::string_view AtSpiRoleNames[] = {"frame", "page tab list", "image",     "label",
                                               "text",  "combo box",     "check box", "radio button",
                                               "panel", "push button",   "link"};
static_assert(std::size(AtSpiRoleNames) == static_cast<std::size_t>(AccessibleRole::Link) + 1);

} // namespace

int main()
{
    const testing::WindowDriver window;
    for (const ControlLayout& row : MainWindowLayout) {
        const ControlState& state = window.State(row.Id);
        const AccessibleRole role = RoleOf(row.Id);
        const bool choice = role == AccessibleRole::CheckBox || role == AccessibleRole::RadioButton;
        const int tab = TabOf(row.Id);
        // Qt names a list by its chosen item, and its label by relation.
        const bool list = role == AccessibleRole::ComboBox;
        std::cout << row.Name << '\t' << LayoutOf(row.Container).Name << '\t'
                  << AtSpiRoleNames[static_cast<std::size_t>(role)] << '\t'
                  << (list ? state.Text : AccessibleNameOf(row.Id, state.Text)) << '\t' << state.Enabled << '\t'
                  << (choice && state.Value == 1) << '\t' << (tab == NoTab || tab == window.form->SelectedTab())
                  << '\n';
    }
}
