// Drives the main window with random sequences of user events and checks,
// after every event, what must always hold of its controls.
#include "codegen/BuildCode.h"
#include "codegen/ReadCall.h"
#include "platform/CodePage.h"
#include "support/WindowDriver.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <map>

using namespace vellumet;
using namespace vellumet::testing;
using enum Control;

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "window invariant broken: %s\n", what);
        std::abort();
    }
}

// browsedPath: the last path the file dialog gave, which the help file may still hold.
void CheckInvariants(const WindowDriver& window, const std::optional<std::string>& browsedPath)
{
    std::map<Control, int> selectedPerGroup;
    Control selectedButtons = optOKOnly;
    for (const ControlLayout& row : MainWindowLayout) {
        const ControlState& state = window.State(row.Id);
        if (IsOption(row.Id)) {
            selectedPerGroup[GroupOf(row.Id)] += state.Value;
            if (state.Value == 1 && GroupOf(row.Id) == GroupOf(optOKOnly))
                selectedButtons = row.Id;
        }
        // However a text got into a field, it is one that typing could leave there: within the field's limit and
        // on one line unless the field is the body. The file dialog's path goes in unchanged, and a Linux file name
        // may hold a line break; Try and Copy refuse such a help file with a warning.
        const bool pathAsChosen = row.Id == txtHelpFile && state.Text == browsedPath;
        if (IsTextField(row.Id) && !pathAsChosen)
            Require(frmMain::FittedText(row.Id, state.Text) == state.Text,
                    ("a field holds what typing could not leave in it: " + std::string(row.Name)).c_str());
    }
    for (const auto& [group, selected] : selectedPerGroup)
        Require(selected == 1, "an option group has not exactly one option selected");

    const bool helpDefault = window.Checked(chkHelpButtonDefault);
    Require(window.Text(lblDefault) == (helpDefault ? "Help" : LayoutOf(selectedButtons).Caption),
            "the default label names another button");
    Require(window.form->DefaultButtonCaption() == LayoutOf(selectedButtons).Caption,
            "the default caption is another button's");

    const bool help = window.Checked(chkMsgBoxHelpButton);
    for (Control detail :
         {lblHelpFile, txtHelpFile, chkAppPathHelpFile, lblTopicID, txtTopicID, cmdBrowse, chkHelpButtonDefault})
        Require(window.State(detail).Enabled == help, "a Help detail is out of step with the Help button");
    if (!help)
        Require(window.Text(txtHelpFile).empty() && window.Text(txtTopicID) == "0" &&
                    !window.Checked(chkAppPathHelpFile) && !helpDefault,
                "Help details kept without a Help button");

    const bool variableInUse = selectedButtons != optOKOnly;
    Require(window.State(txtVariable).Enabled == variableInUse && window.State(lblVariable).Enabled == variableInUse,
            "the variable field is out of step with the button set");
    if (!variableInUse)
        Require(window.Text(txtVariable) == "Response", "OK only keeps a typed variable name");
}

// Copy Code's clipboard holds exactly what the generator makes of the choices, in the system's code page, or
// nothing new.
void CheckCopy(WindowDriver& window, Control clicked, const MessageBoxOptions& before, const std::string& clipboard)
{
    if (clicked != cmdCopy || !window.form->Reachable(cmdCopy))
        return;
    const auto checked = CheckOptions(GenerateMode::Copy, before, CodePageWidthOf(window.platform.codePage).value());
    if (const auto* options = std::get_if<CheckedOptions>(&checked); options && !window.platform.clipboardRefuses)
        Require(window.platform.clipboard == BuildCopyText(*options), "Copy put other text on the clipboard");
    else if (!options)
        Require(window.platform.clipboard == clipboard, "a refused Copy changed the clipboard");
    else
        Require(window.platform.clipboard.empty(), "a refused clipboard kept old text");
}

// A call read into the window sets the choices it reads, as far as code carries
// them; one that cannot be read is refused in a warning and changes nothing.
void CheckRead(const WindowDriver& window, const std::string& source, const MessageBoxOptions& before,
               std::size_t boxesBefore)
{
    const auto read = ReadCall(source, before.CodeLanguage);
    if (window.platform.messageBoxes.size() > boxesBefore) {
        Require(window.platform.messageBoxes.back().Style == 48, "an unread call was not a warning");
        Require(window.form->Snapshot() == before, "an unread call changed the window");
        return;
    }
    Require(std::holds_alternative<MessageBoxOptions>(read), "a refused call went unreported");
    Require(CanonicalChoices(window.form->Snapshot()) == CanonicalChoices(std::get<MessageBoxOptions>(read)),
            "the window holds other choices than the call read");
}

Control AnyControl(FuzzedDataProvider& input)
{
    return static_cast<Control>(input.ConsumeIntegralInRange<std::size_t>(0, ControlCount - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    WindowDriver window;
    std::optional<std::string> browsedPath;
    for (int events = 0; events < 64 && input.remaining_bytes() > 0; ++events) {
        const Control control = AnyControl(input);
        const MessageBoxOptions before = window.form->Snapshot();
        const std::string clipboard = window.platform.clipboard;
        const std::size_t dialogsBefore = window.platform.fileRequests.size();
        const std::size_t boxesBefore = window.platform.messageBoxes.size();
        const int event = input.ConsumeIntegralInRange(0, 9);
        switch (event) {
        case 0: window.Click(control); break;
        case 1: window.form->Clicked(control); break;
        case 2: window.Type(control, input.ConsumeRandomLengthString(1200)); break;
        case 3: window.form->Edited(control, input.ConsumeRandomLengthString(1200)); break;
        case 4: window.form->TabSelected(input.ConsumeIntegralInRange(-1, 4)); break;
        case 5: window.form->GotFocus(control); break;
        case 6: window.form->MouseMoved(control); break;
        case 7:
            window.platform.answer = input.ConsumeBool() ? 6 : 7;
            window.form->UnloadQuery();
            break;
        case 8:
            window.platform.clipboardRefuses = input.ConsumeBool();
            window.platform.answer = input.ConsumeIntegralInRange(1, 7);
            window.platform.chosenFile =
                input.ConsumeBool() ? std::optional(input.ConsumeRandomLengthString(300)) : std::nullopt;
            break;
        case 9:
            // Pasting reads what Copy or a test put on the clipboard; a drop reads any text.
            if (input.ConsumeBool()) {
                window.form->CallPasted();
                CheckRead(window, clipboard, before, boxesBefore);
            } else {
                const std::string dropped = input.ConsumeRandomLengthString(1200);
                window.form->CallDropped(dropped);
                CheckRead(window, dropped, before, boxesBefore);
            }
            break;
        }
        if (window.platform.fileRequests.size() > dialogsBefore && window.platform.chosenFile)
            browsedPath = window.platform.chosenFile;
        CheckInvariants(window, browsedPath);
        if (event <= 2) // the events that click the control
            CheckCopy(window, control, before, clipboard);
    }
    return 0;
}
