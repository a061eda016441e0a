// Prints what a screen reader on Linux should find of each control of the main
// window once it has loaded: a line a control, fields separated by tabs.
//   name  container  AT-SPI role  spoken name  enabled  checked  showing
// tools/check-accessibility-tree compares the running program with it.

#include "support/WindowDriver.h"

#include <iostream>

using namespace vellumet;

namespace {

// The names AT-SPI gives the roles, as screen readers and their tools show them.
std::string_view AtSpiRoleName(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Window: return "frame";
    case AccessibleRole::PageTabList: return "page tab list";
    case AccessibleRole::Graphic: return "image";
    case AccessibleRole::StaticText: return "label";
    case AccessibleRole::Text: return "text";
    case AccessibleRole::ComboBox: return "combo box";
    case AccessibleRole::CheckBox: return "check box";
    case AccessibleRole::RadioButton: return "radio button";
    case AccessibleRole::Grouping: return "panel";
    case AccessibleRole::PushButton: return "push button";
    case AccessibleRole::Link: return "link";
    }
    return "unknown";
}

} // namespace

int main()
{
    const testing::WindowDriver window;
    for (const ControlLayout& row : MainWindowLayout) {
        const ControlState& state = window.State(row.Id);
        const AccessibleRole role = RoleOf(row.Id);
        const bool choice = role == AccessibleRole::CheckBox || role == AccessibleRole::RadioButton;
        const int tab = TabOf(row.Id);
        std::cout << row.Name << '\t' << LayoutOf(row.Container).Name << '\t' << AtSpiRoleName(role) << '\t'
                  << AccessibleNameOf(row.Id, state.Text) << '\t' << state.Enabled << '\t'
                  << (choice && state.Value == 1) << '\t' << (tab == NoTab || tab == window.form->SelectedTab())
                  << '\n';
    }
}
