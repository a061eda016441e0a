// The main window driven as a person drives it, on a desktop that only records.
#pragma once

#include "platform/RecordingPlatform.h"
#include "ui/Keyboard.h"
#include "ui/frmMain.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellumet::testing {

// A desktop as frmMain sees it, with no toolkit: it records what frmMain asks
// to show, moves the focus at once and asks the unload query when told to close.
struct RecordingFrontEnd : MainWindowFrontEnd {
    void Show(Control control, Property property) override { shown.emplace_back(control, property); }
    void ShowTab(int tab) override { tabsShown.push_back(tab); }
    void MoveFocus(Control control) override
    {
        focus = control;
        form->GotFocus(control);
    }
    void Unload() override { closed = form->UnloadQuery(); }
    WindowHandle Handle() override { return WindowHandle{0x5EED}; }

    frmMain* form = nullptr;
    std::vector<std::pair<Control, Property>> shown;
    std::vector<int> tabsShown;
    std::optional<Control> focus;
    bool closed = false;
};

inline Control ControlNamed(std::string_view name)
{
    for (const ControlLayout& row : MainWindowLayout)
        if (row.Name == name)
            return row.Id;
    throw std::invalid_argument("no control " + std::string(name));
}

using Steps = std::vector<std::string>;

// A loaded main window on the recording desktop, and the moves a person makes on it.
class WindowDriver {
public:
    WindowDriver()
        : form(std::make_unique<frmMain>(platform, frontEnd))
    {
        frontEnd.form = form.get();
    }

    // Shows the control's tab, as the user would, and clicks it; a click brings the focus first.
    void Click(Control control)
    {
        if (const int tab = TabOf(control); tab != NoTab && tab != form->SelectedTab())
            form->TabSelected(tab);
        if (TakesFocus(LayoutOf(control).Kind) && form->Reachable(control)) {
            frontEnd.focus = control;
            form->GotFocus(control);
        }
        form->Clicked(control);
    }

    // Clicks into a field, which selects its whole text, and types over it.
    void Type(Control field, const std::string& text)
    {
        Click(field);
        form->Edited(field, text);
    }

    // Does what a step of a case table says: "click:NAME", "type:NAME:KEYS",
    // "paste:NAME:TEXT", "choose:PATH", which picks the file with the Browse
    // button, or "key:Escape", which presses its button.
    void Perform(const std::string& step)
    {
        const std::size_t nameStart = step.find(':') + 1;
        const std::size_t nameEnd = step.find(':', nameStart);
        const std::string verb = step.substr(0, nameStart - 1);
        const std::string name = step.substr(nameStart, nameEnd - nameStart);
        if (verb == "click")
            Click(ControlNamed(name));
        else if (verb == "type" || verb == "paste")
            Type(ControlNamed(name), step.substr(nameEnd + 1));
        else if (verb == "choose") {
            platform.chosenFile = step.substr(nameStart);
            Click(Control::cmdBrowse);
        } else if (step == "key:Escape")
            Click(EscapePresses);
        else
            throw std::invalid_argument("unknown step " + step);
    }

    void PerformAll(const Steps& steps)
    {
        for (const std::string& step : steps)
            Perform(step);
    }

    const ControlState& State(Control control) const { return form->State(control); }
    const std::string& Text(Control control) const { return State(control).Text; }
    bool Checked(Control control) const { return State(control).Value == 1; }

    RecordingPlatform platform;
    RecordingFrontEnd frontEnd;
    std::unique_ptr<frmMain> form;
};

} // namespace vellumet::testing
