// What the main window decides, whichever desktop shows it: driven by clicks and keys
// on a recording desktop, with case tables from tests/data.
#include "codegen/MessageBoxStyle.h"
#include "codegen/ReadCall.h"
#include "support/CaseTable.h"
#include "support/WindowDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>

using namespace vellumet;
using namespace vellumet::testing;
using enum Control;
using Calls = std::vector<std::string>;

namespace {

class MainWindow : public ::testing::Test, public WindowDriver {
protected:
    // The state of every control: enabled, value and text.
    std::vector<std::string> ControlStates() const
    {
        std::vector<std::string> states;
        for (const ControlLayout& row : MainWindowLayout) {
            const ControlState& state = State(row.Id);
            states.push_back(std::string(row.Name) + (state.Enabled ? " on " : " off ") + std::to_string(state.Value) +
                             " " + state.Text);
        }
        return states;
    }

    std::size_t EnabledCount(std::initializer_list<Control> controls) const
    {
        return std::ranges::count_if(controls, [this](Control control) { return State(control).Enabled; });
    }
};

constexpr std::initializer_list<Control> HelpDetails{lblHelpFile, txtHelpFile, chkAppPathHelpFile,  lblTopicID,
                                                     txtTopicID,  cmdBrowse,   chkHelpButtonDefault};

// Each button option chooses the set of buttons that stand in its row, in the
// order they stand, and makes its own button the default: the label names it.
// A name typed for the answer stays while the set has more than one button.
TEST_F(MainWindow, ButtonOptionChoosesItsRowAndDefault)
{
    const std::vector<Control> options = OptionsOf(GroupOf(optOKOnly));
    for (Control option : options) {
        SCOPED_TRACE(LayoutOf(option).Name);
        std::vector<Control> row;
        std::ranges::copy_if(options, std::back_inserter(row),
                             [option](Control other) { return LayoutOf(other).Top == LayoutOf(option).Top; });
        std::ranges::sort(row, {}, [](Control button) { return LayoutOf(button).Left; });
        Click(optAbortRetryIgnore2);
        Type(txtVariable, "Answer");

        Click(option);
        const ButtonChoice chosen = form->Snapshot().ButtonOption;
        std::vector<std::string_view> captions, set;
        for (Control button : row)
            captions.push_back(LayoutOf(button).Caption);
        for (Answer answer : ButtonSetOf(chosen).Buttons)
            set.push_back(AnswerCaption(answer));
        EXPECT_EQ(set, captions);
        EXPECT_EQ(row.at(static_cast<std::size_t>(DefaultPositionOf(chosen)) - 1), option);
        EXPECT_EQ(Text(lblDefault), LayoutOf(option).Caption);
        const bool variableInUse = row.size() > 1;
        EXPECT_EQ(EnabledCount({txtVariable, lblVariable}), variableInUse ? 2u : 0u);
        EXPECT_EQ(Text(txtVariable), variableInUse ? "Answer" : "Response");
        for (Control other : options)
            EXPECT_EQ(Checked(other), other == option) << LayoutOf(other).Name;

        // A name lost to OK only does not come back with the next set.
        Click(optYesNo1);
        EXPECT_EQ(Text(txtVariable), variableInUse ? "Answer" : "Response");
    }
}

// While Help is the default the label says so, whichever option is chosen, and
// clearing it names the chosen button again. Switching the Help button off
// discards what was entered; on again restores nothing. Clearing the Help
// button clears Help as default first, and the label follows inside that step:
// the click handlers run nested, in order.
TEST_F(MainWindow, HelpSettingsOnOffOn)
{
    constexpr const char* PropertyNames[] = {"Text", "Value", "Enabled", "ForeColor", "Selection"};
    for (const auto& row : ReadCaseTable("window-help-settings.tsv")) {
        SCOPED_TRACE(row[0]);
        frontEnd.shown.clear();
        PerformAll({row.begin() + 3, row.end()});
        EXPECT_EQ(Text(txtHelpFile) + "|" + Text(txtTopicID) + "|" + (Checked(chkAppPathHelpFile) ? "app path" : "-") +
                      "|" + (Checked(chkHelpButtonDefault) ? "help default" : "-") + "|" + Text(lblDefault) + "|" +
                      form->DefaultButtonCaption() + "|" + std::to_string(EnabledCount(HelpDetails)),
                  row[1]);
        std::string shown;
        for (const auto& [control, property] : frontEnd.shown)
            shown +=
                std::string(LayoutOf(control).Name) + "." + PropertyNames[static_cast<std::size_t>(property)] + " ";
        if (row[2] != "-") {
            EXPECT_EQ(shown, row[2] + " ");
        }
    }
}

class BrowseForHelpFile : public MainWindow, public ::testing::WithParamInterface<std::optional<std::string>> {};

INSTANTIATE_TEST_SUITE_P(Choices, BrowseForHelpFile,
                         ::testing::Values(R"(C:\Help\Orders.hlp)", " /home/ann/notes ", std::nullopt));

// Browse offers the help file types and puts any chosen path in as given;
// cancelling keeps what was typed, and the field can be edited after.
TEST_P(BrowseForHelpFile, FillsHelpFileUnchanged)
{
    platform.chosenFile = GetParam();
    Click(chkMsgBoxHelpButton);
    Type(txtHelpFile, "typed.chm");

    Click(cmdBrowse);
    EXPECT_EQ(Text(txtHelpFile), GetParam().value_or("typed.chm"));
    EXPECT_EQ(platform.calls, Calls{"ChooseFileToOpen"});
    EXPECT_EQ(platform.owners, std::vector<WindowHandle>{frontEnd.Handle()});
    const FileOpenRequest request{
        "Select help file",
        {{"Windows Help Files", "*.hlp"}, {"Compiled HTML Help Files", "*.chm"}, {"All Files", "*.*"}}};
    EXPECT_EQ(platform.fileRequests, std::vector<FileOpenRequest>{request});

    Type(txtHelpFile, "edited");
    EXPECT_EQ(Text(txtHelpFile), "edited");
}

// The link turns red under the pointer, and blue again only over the frame
// around it, the tab control or the bare window. It opens the maker's page,
// and a failure to open it says nothing.
TEST_F(MainWindow, LinkFollowsPointerAndOpensMakersPage)
{
    const std::map<std::string, unsigned> colours{{"red", HoverColour}, {"blue", LinkColour}};
    for (const auto& move : ReadCaseTable("window-link-moves.tsv")) {
        form->MouseMoved(ControlNamed(move.at(0)));
        EXPECT_EQ(State(lblLink).ForeColor, colours.at(move.at(1))) << move.at(0);
    }
    EXPECT_EQ(Text(lblLink), "Tarnwick Computer Solutions");

    platform.openResult = OpenResult::NoViewer;
    Click(Control::SSTab1);
    form->TabSelected(HelpButtonTab);
    Click(lblLink);
    EXPECT_EQ(platform.calls, Calls{"ShellOpen"});
    EXPECT_EQ(platform.opened, std::vector<std::string>{"https://www.tarnwick.example/"});
    EXPECT_EQ(platform.owners, std::vector<WindowHandle>{frontEnd.Handle()});
}

// A disabled control takes no event, and a control on a hidden tab no click;
// a field on a hidden tab still takes what a desktop reports typed into it.
TEST_F(MainWindow, IgnoresEventsOnControlsOutOfReach)
{
    form->Clicked(chkHelpButtonDefault);
    form->Edited(txtTopicID, "12");
    form->GotFocus(txtVariable);
    form->Clicked(optYesNo1); // on the Style tab while About shows
    EXPECT_EQ(form->Snapshot(), MessageBoxOptions());
    EXPECT_TRUE(frontEnd.shown.empty());
    EXPECT_EQ(form->Focus(), std::nullopt);

    form->Edited(txtTitle, "Title");
    EXPECT_EQ(form->Snapshot().TitleText, "Title");
}

// The fields keep what fits their limits, as the layout gives them, and focus
// selects the whole text, counted in characters: a line break is CR and LF.
TEST_F(MainWindow, FieldsKeepTextWithinTheirLimitsAndFocusSelectsIt)
{
    Click(optYesNo1);
    Click(chkMsgBoxHelpButton);
    for (const auto& row : ReadCaseTable("portable-field-limits.tsv")) {
        SCOPED_TRACE(row.at(0));
        const Control field = ControlNamed(row.at(1));
        Type(field, row.at(2));
        EXPECT_EQ(Text(field), row.at(3));
        frontEnd.MoveFocus(field);
        EXPECT_EQ(State(field).SelStart, 0u);
        EXPECT_EQ(State(field).SelLength, std::stoul(row.at(4)));
        EXPECT_EQ(frontEnd.shown.back(), std::pair(field, Property::Selection));
    }
}

class WorkedExample : public MainWindow, public ::testing::WithParamInterface<std::vector<std::string>> {};

INSTANTIATE_TEST_SUITE_P(Table, WorkedExample, ::testing::ValuesIn(ReadCaseTable("window-examples.tsv")));

// Entered by clicks and keys, each example copies its code byte for byte, and
// Try shows the box with the body as typed. The copied code read back from the
// clipboard fills a reset window as it was, but for the button option of a set
// whose default is Help, which the code does not tell.
TEST_P(WorkedExample, CopiesGoldenCodeTriesTheBoxAndReadsBack)
{
    const std::vector<std::string>& row = GetParam();
    std::string helpFile = row[4];
    if (const auto app = helpFile.find("{app}"); app != std::string::npos)
        helpFile.replace(app, 5, platform.applicationPath);
    MessageBoxRequest tried{"", std::stoi(row[2]), row[3], std::nullopt};
    if (helpFile != "-")
        tried.Help = HelpReference{helpFile, std::int16_t(std::stoi(row[5]))};
    const Steps steps(row.begin() + 6, row.end());
    PerformAll(steps);

    Click(cmdCopy);
    EXPECT_EQ(platform.clipboard, ReadDataFile("golden/" + row[1]));
    EXPECT_EQ(platform.calls, (Calls{"ClearClipboard", "SetClipboardText"}));

    Click(cmdTry);
    EXPECT_EQ(platform.clipboard, ReadDataFile("golden/" + row[1]));
    for (const std::string& step : steps)
        if (step.starts_with("type:txtBody:"))
            tried.Prompt = step.substr(13);
    EXPECT_EQ(platform.messageBoxes, std::vector<MessageBoxRequest>{tried});

    const MessageBoxOptions made = form->Snapshot();
    const std::string defaultLabel = Text(lblDefault);
    platform.calls.clear();
    Click(cmdReset);
    form->CallPasted();
    EXPECT_EQ(form->Snapshot(), CanonicalChoices(made));
    EXPECT_EQ(Text(lblDefault), defaultLabel);
    EXPECT_EQ(platform.calls, Calls{"ClipboardText"});
}

class Refusal : public MainWindow, public ::testing::WithParamInterface<std::vector<std::string>> {};

INSTANTIATE_TEST_SUITE_P(Table, Refusal, ::testing::ValuesIn(ReadCaseTable("window-refusals.tsv")));

// What cannot be generated is said in a warning, from whichever tab, and the
// user is taken to the field that mends it with every choice kept; the
// clipboard is never taken for having the code.
TEST_P(Refusal, WarnsAndShowsTheFieldThatMendsIt)
{
    const std::vector<std::string>& row = GetParam();
    const std::string& warning = row[3];
    PerformAll({row.begin() + 6, row.end()});
    platform.clipboardRefuses = warning == FailureMessage(GenerateFailure::ClipboardRefused);
    const std::vector<std::string> before = ControlStates();
    form->TabSelected(std::stoi(row[2]));
    Click(ControlNamed(row[1]));

    EXPECT_EQ(form->SelectedTab(), std::stoi(row[4]));
    EXPECT_EQ(frontEnd.focus, ControlNamed(row[5]));
    EXPECT_EQ(ControlStates(), before);
    if (warning == "-") {
        EXPECT_FALSE(platform.calls.empty());
        EXPECT_TRUE(platform.messageBoxes.empty() || platform.messageBoxes[0].Style != 48);
        return;
    }
    EXPECT_EQ(platform.messageBoxes, (std::vector<MessageBoxRequest>{{warning, 48, "Vellumet", {}}}));
    // A refused clipboard is left cleared, never holding old text as if it were the code.
    EXPECT_EQ(platform.clipboard, platform.clipboardRefuses ? "" : "what was there before");
    const ControlState& field = State(ControlNamed(row[5]));
    if (LayoutOf(ControlNamed(row[5])).Kind == ControlKind::TextBox) {
        EXPECT_EQ(field.SelLength, field.Text.size());
    }
}

class Reset : public MainWindow, public ::testing::WithParamInterface<Steps> {};

INSTANTIATE_TEST_SUITE_P(From, Reset, ::testing::ValuesIn(ReadCaseTable("window-resets.tsv")));

// A call read over a window full of choices leaves nothing of them behind:
// every setting the call does not make goes back to its start value. Reset
// brings back the start state of every control, and shows the first tab with
// the focus on the tab strip. Undo takes either back, one level: a second
// Reset, which changes nothing, keeps the first to take back.
TEST_P(Reset, CallReadOverChoicesLeavesOnlyItsBodyAndResetRestoresStartState)
{
    const std::vector<std::string> start = ControlStates();
    std::vector<std::string> onlyBody = start;
    onlyBody[static_cast<std::size_t>(txtBody)] = "txtBody on 0 Hi";
    PerformAll({GetParam().begin() + 1, GetParam().end()});
    const std::vector<std::string> chosen = ControlStates();
    const int chosenTab = form->SelectedTab();
    form->CallDropped("MsgBox \"Hi\"");
    EXPECT_EQ(ControlStates(), onlyBody);
    EXPECT_EQ(form->DefaultButtonCaption(), "OK");
    form->KeyPressed(WindowCommand::Undo);
    EXPECT_EQ(ControlStates(), chosen);
    EXPECT_FALSE(form->Takes(WindowCommand::Undo));

    Click(cmdReset);
    Click(cmdReset);
    EXPECT_EQ(ControlStates(), start);
    EXPECT_EQ(form->Snapshot(), MessageBoxOptions());
    EXPECT_EQ(form->DefaultButtonCaption(), "OK");
    EXPECT_EQ(form->SelectedTab(), AboutTab);
    EXPECT_EQ(frontEnd.focus, SSTab1);
    EXPECT_EQ(State(txtTitle).SelLength, 0u);
    EXPECT_TRUE(platform.calls.empty());
    form->KeyPressed(WindowCommand::Undo);
    EXPECT_EQ(ControlStates(), chosen);
    EXPECT_EQ(form->SelectedTab(), chosenTab);
}

// Any change of a value or text after a whole-window change forgets it, and
// Ctrl+Z is then the text field's; changing tabs forgets nothing. The tab keys
// show the neighbouring tab, wrapping round, with the focus on the tab strip,
// where the focus also goes from a control that hides or goes out of reach.
TEST_F(MainWindow, UndoIsForgottenByAnyChangeAndTabKeysWrapRound)
{
    for (const std::string change : {"type:txtBody:More", "click:chkSystemModal", "click:optCritical"}) {
        WindowDriver window;
        window.PerformAll({"type:txtTitle:Kept", "key:Escape"});
        window.form->KeyPressed(WindowCommand::NextTab);
        EXPECT_TRUE(window.form->Takes(WindowCommand::Undo));
        window.Perform(change);
        EXPECT_FALSE(window.form->Takes(WindowCommand::Undo)) << change;
        window.form->KeyPressed(WindowCommand::Undo);
        EXPECT_EQ(window.Text(txtTitle), "") << change;
    }
    Click(txtBody);
    const std::pair<WindowCommand, int> presses[] = {{WindowCommand::NextTab, StyleTab},
                                                     {WindowCommand::NextTab, HelpButtonTab},
                                                     {WindowCommand::NextTab, AboutTab},
                                                     {WindowCommand::PreviousTab, HelpButtonTab}};
    for (const auto& [command, tab] : presses) {
        form->KeyPressed(command);
        EXPECT_EQ(std::pair(form->SelectedTab(), frontEnd.tabsShown.back()), std::pair(tab, tab));
        EXPECT_EQ(frontEnd.focus, SSTab1);
    }
    PerformAll({"click:chkMsgBoxHelpButton", "click:txtHelpFile"});
    form->CallDropped("MsgBox \"No help\"");
    EXPECT_EQ(frontEnd.focus, SSTab1);
    Click(txtTitle);
    form->TabSelected(StyleTab);
    EXPECT_EQ(frontEnd.focus, SSTab1);
}

// The list names the language: the check box of the help file's folder and the
// choices follow it. Reset leaves it as chosen, and a call read sets it.
TEST_F(MainWindow, LanguageNamesTheFolderAndOutlivesReset)
{
    for (const LanguageRow& language : Languages) {
        form->Picked(cboLanguage, static_cast<int>(language.Id));
        EXPECT_EQ(Text(chkAppPathHelpFile), language.FolderCaption);
        EXPECT_EQ(form->Snapshot().CodeLanguage, language.Id);
    }
    form->Picked(cboLanguage, static_cast<int>(Languages.size()));
    PerformAll({"type:txtBody:Body", "click:chkMsgBoxHelpButton", "click:chkAppPathHelpFile", "key:Escape"});
    EXPECT_EQ(form->Snapshot().CodeLanguage, Languages.back().Id);
    EXPECT_EQ(Text(chkAppPathHelpFile), Languages.back().FolderCaption);
    form->CallDropped(R"(MsgBox "Hi", vbMsgBoxHelpButton, , App.Path & "\Orders.chm", 0)");
    EXPECT_EQ(form->Snapshot().CodeLanguage, Language::VB6);
    EXPECT_EQ(Text(chkAppPathHelpFile), RowOf(Language::VB6).FolderCaption);
}

// What cannot be read, or what a field could not hold whole, is said in a
// warning that names it and where the call came from, and no control changes.
TEST_F(MainWindow, UnreadableCallChangesNothing)
{
    PerformAll({"type:txtTitle:Kept", "click:optYesNo2", "click:chkMsgBoxHelpButton", "type:txtTopicID:4"});
    const std::vector<std::string> before = ControlStates();
    for (const auto& row : ReadCaseTable("portable-unreadable-calls.tsv"))
        for (const std::string place : {"on the clipboard", "in the dropped text"}) {
            SCOPED_TRACE(row.at(0) + ", " + place);
            platform.messageBoxes.clear();
            platform.clipboard = row.at(1);
            if (place == "on the clipboard")
                form->CallPasted();
            else
                form->CallDropped(row.at(1));

            const MessageBoxRequest warning{"Vellumet cannot read the MsgBox call " + place + ": " + row.at(2) +
                                                ".\r\n\r\nThe window is unchanged.",
                                            48, "Vellumet", std::nullopt};
            EXPECT_EQ(platform.messageBoxes, std::vector<MessageBoxRequest>{warning});
            EXPECT_EQ(ControlStates(), before);
        }
}

// Exit and the close box ask first; No keeps the window as it was, Yes ends the program.
TEST_F(MainWindow, ExitAsks)
{
    const MessageBoxRequest question{"Are you sure you want to exit?", 292, "Vellumet", std::nullopt};
    for (const bool byCloseBox : {false, true})
        for (const int answer : {7, 6}) {
            WindowDriver window;
            window.Type(txtTitle, "Unsaved");
            window.platform.answer = answer;
            const bool closed =
                byCloseBox ? window.form->UnloadQuery() : (window.Click(cmdExit), window.frontEnd.closed);

            EXPECT_EQ(window.platform.messageBoxes, std::vector<MessageBoxRequest>{question});
            EXPECT_EQ(closed, answer == 6);
            EXPECT_EQ(window.platform.calls.back(), answer == 7 ? "ShowMessageBox" : "EndProcess");
            EXPECT_EQ(window.Text(txtTitle), "Unsaved");
        }
}

// Help opens the file in the program's folder; when it cannot, the notice
// says whether the file is missing or nothing can open it.
TEST_F(MainWindow, HelpOpensFileBesideProgram)
{
    const std::string folder = "Vellumet", path = folder + PathSeparator + "VellHelp.chm";
    const std::map<std::string, OpenResult> results{
        {"Opened", OpenResult::Opened}, {"NotFound", OpenResult::NotFound}, {"NoViewer", OpenResult::NoViewer}};
    for (const auto& row : ReadCaseTable("portable-help-notices.tsv")) {
        SCOPED_TRACE(row.at(0));
        WindowDriver window;
        window.platform.applicationPath = folder;
        window.platform.openResult = results.at(row.at(1));
        window.Click(cmdHelp);

        std::vector<MessageBoxRequest> told;
        if (std::string notice = row.at(2); notice != "-") {
            if (const std::size_t at = notice.find("{help}"); at != std::string::npos)
                notice.replace(at, 6, path);
            told.push_back({notice, 64, "Vellumet", std::nullopt});
        }
        EXPECT_EQ(window.platform.opened, std::vector<std::string>{path});
        EXPECT_EQ(window.platform.owners, std::vector<WindowHandle>{window.frontEnd.Handle()});
        EXPECT_EQ(window.platform.messageBoxes, told);
    }
}

} // namespace
