// The main window as every desktop shares it: the state of its controls, and the user's events and keys
// that change it.
#pragma once

#include "FrontEnd.h"
#include "Keyboard.h"
#include "Layout.h"
#include "codegen/BuildCode.h"
#include "codegen/Languages.h"
#include "codegen/MessageBoxOptions.h"
#include "platform/Platform.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace vellumet {

// What a control holds. Texts are UTF-8; a selection counts characters.
struct ControlState {
    std::string Text; // caption or text; for a list the caption of its chosen item
    int Value = 0;    // check box 0 or 1; option 1 while selected; list the place of its chosen item
    bool Enabled = true;
    unsigned ForeColor = SystemTextColour;
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;
};

// The working window: the choices of a message box on four tabs, and the
// command buttons below them. Its state is the state of its controls; a front
// end shows it and reports what the user does.
class frmMain {
public:
    // Loads the window in its start state and runs Form_Load. Nothing is shown yet.
    frmMain(Platform& platform, MainWindowFrontEnd& frontEnd);

    // The user's events. A disabled control takes none, and only a control the
    // user can reach takes a click. The focus never rests on a control out of
    // reach: when its tab hides or it is disabled, the focus goes to the tab
    // strip, where the window starts with it.
    void Clicked(Control control);
    void Edited(Control field, const std::string& text);
    // The user chose the item at this place of a drop-down list.
    void Picked(Control list, int item);
    // Alt with the letter a label marks: shows the label's tab and puts the focus on the control it names.
    void LabelKeyPressed(Control label);
    void GotFocus(Control control);
    void MouseMoved(Control surface);
    void TabSelected(int tab);
    // Runs when the window is about to close; false keeps it open.
    bool UnloadQuery();
    // Ctrl+Shift+V, or text dropped outside the text fields: reads the MsgBox
    // call it holds into the controls. A call that cannot be read is explained
    // in a warning, and the window is left as it was.
    void CallPasted();
    void CallDropped(const std::string& text);
    // The window's own keys (WindowKeys). Reset and reading a call are
    // whole-window changes, which Undo takes back, one level, until any other
    // value or text changes; until then a text field keeps Ctrl+Z for its
    // typing, as frmMain does not take the command. A key of the next or the
    // previous tab shows it, wrapping round, with the focus on the tab strip.
    bool Takes(WindowCommand command) const;
    void KeyPressed(WindowCommand command);

    const ControlState& State(Control control) const { return controls[Index(control)]; }
    int SelectedTab() const { return selectedTab; }
    std::optional<Control> Focus() const { return focus; }
    // Whether the user can reach the control now: enabled, and on the tab showing if on a tab.
    bool Reachable(Control control) const;

    // Whether frmMain has a handler for the event of the control; a front end
    // need report no other mouse movements or label clicks.
    static bool Handles(Control control, Event event);

    // The choices as the code generator reads them, taken now.
    MessageBoxOptions Snapshot() const;

    // The caption of the button chosen as default while Help is not the default.
    const std::string& DefaultButtonCaption() const { return defaultButtonCaption; }

    // The text a field keeps of what was typed or pasted into it: within its
    // length limit, and on one line unless it is the body.
    static std::string FittedText(Control field, const std::string& text);

private:
    struct EventRow;
    struct GroupRow;
    static const EventRow Events[];
    static const GroupRow GroupHandlers[];

    static std::size_t Index(Control control) { return static_cast<std::size_t>(control); }

    void Form_Load();
    void Form_Unload(int& Cancel);

    void ButtonOption_Click(Control option);
    void chkHelpButtonDefault_Click();
    void UpdateDefaultLabel();

    void chkMsgBoxHelpButton_Click();
    void cmdBrowse_Click();
    void cboLanguage_Click();
    // The list's items are the languages' rows, in their order.
    const LanguageRow& ChosenLanguage() const;

    void cmdTry_Click();
    void cmdCopy_Click();
    void cmdReset_Click();
    void cmdHelp_Click();
    void cmdExit_Click();
    void lblLink_Click();
    void Generate(GenerateMode mode);
    void Refuse(GenerateFailure failure);
    void ReadCallFrom(const std::string& source, const char* place);
    void ShowChoices(const MessageBoxOptions& options);

    // What a whole-window change replaced: the choices, and the tab that showed.
    struct Replaced {
        MessageBoxOptions Choices;
        int Tab;
    };
    template <class Change>
    void WholeWindowChange(Change change);
    void UndoWholeWindowChange();
    void ShowNeighbourTab(int step);
    void KeepFocusReachable();

    void txtTitle_GotFocus();
    void txtBody_GotFocus();
    void txtVariable_GotFocus();
    void txtHelpFile_GotFocus();
    void txtTopicID_GotFocus();
    void SelectAll(Control field);

    void lblLink_MouseMove();
    void Frame2_MouseMove();
    void SSTab1_MouseMove();
    void Form_MouseMove();

    // The program's own changes. A new value of an option or check box runs
    // the control's click handler at once, nested in the change.
    void SetValue(Control control, int value);
    void SetText(Control control, const std::string& text);
    void SetEnabled(Control control, bool enabled);
    void SetForeColor(Control control, unsigned colour);
    void SetTab(int tab);
    void SetFocus(Control control);
    // Put back the value the layout gives the control at start.
    void RestoreText(Control control);
    void RestoreValue(Control control);
    void RestoreEnabled(Control control);
    void RaiseEvent(Control control, Event event);

    Platform& platform;
    MainWindowFrontEnd& frontEnd;
    std::array<ControlState, ControlCount> controls;
    int selectedTab;
    std::optional<Control> focus;
    std::string defaultButtonCaption;
    // How many values and texts have changed so far, and how many had when
    // the change that `replaced` can take back was made.
    unsigned changes = 0;
    unsigned changesAtReplacement = 0;
    std::optional<Replaced> replaced;
};

} // namespace vellumet
