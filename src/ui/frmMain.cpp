// The main window's behaviour on every desktop: its event handlers, the fitting of typed text to the fields,
// Try It, Copy Code and Reset, and reading a call into the controls and taking it back.
#include "frmMain.h"

#include "codegen/Languages.h"
#include "codegen/LineBreaks.h"
#include "codegen/MessageBoxStyle.h"
#include "codegen/ReadCall.h"
#include "platform/CodePage.h"
#include "platform/Notices.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>
#include <vector>

namespace vellumet {

namespace {

using enum Control;

constexpr const char* HelpFileName = "VellHelp.chm";
constexpr const char* MakersPage = "https://www.tarnwick.example/";

// The published style words of the window's own messages.
constexpr int WarningStyle = 48;       // vbExclamation
constexpr int ExitQuestionStyle = 292; // vbYesNo + vbQuestion + vbDefaultButton2

constexpr const char* NoHelpFileMessage = "There is no help file in the same directory as Vellumet.\r\n"
                                          "\r\n"
                                          "1.    The help file has either been moved, deleted or renamed.\r\n"
                                          "2.    Vellumet has been moved.\r\n"
                                          "\r\n"
                                          "\r\n"
                                          "Please reinstall Vellumet or replace the help file.";

// The value each option group's choice takes in the choices given, in the
// order the groups are best set: the button option before the variable it enables.
std::array<OptionMeaning, 3> MeaningsOf(const MessageBoxOptions& options)
{
    return {options.CopyAsValue ? CopyMode::AsValue : CopyMode::AsText, options.Icon,
            ButtonPlace{ButtonSetOf(options.ButtonOption).Value, DefaultPositionOf(options.ButtonOption)}};
}

// Sets in the choices what a selected option means.
void Choose(MessageBoxOptions& options, const OptionMeaning& meaning)
{
    if (const auto* mode = std::get_if<CopyMode>(&meaning))
        options.CopyAsValue = *mode == CopyMode::AsValue;
    else if (const auto* icon = std::get_if<IconChoice>(&meaning))
        options.Icon = *icon;
    else if (const auto* place = std::get_if<ButtonPlace>(&meaning))
        options.ButtonOption = ButtonChoiceFor(place->Set, place->DefaultPosition).value();
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters, not bytes: a line break of the body is its two characters CR and LF.
std::size_t CharacterCount(const std::string& text)
{
    std::size_t count = 0;
    for (char c : text)
        count += IsContinuationByte(c) ? 0 : 1;
    return count;
}

// A one-line field takes a pasted line break as a space.
std::string OnOneLine(const std::string& text) { return ReplaceLineBreaks(text, ' '); }

// What a character starting at the byte counts toward a field's limit. The
// desktops' text fields count UTF-16 units, as Visual Basic does, so a
// character beyond 16 bits, four bytes in UTF-8, counts two.
std::size_t LimitWidth(char lead) { return static_cast<unsigned char>(lead) >= 0xF0 ? 2 : 1; }

std::size_t LimitLength(const std::string& text)
{
    std::size_t length = 0;
    for (char c : text)
        length += IsContinuationByte(c) ? 0 : LimitWidth(c);
    return length;
}

// As many whole characters as the limit allows; a CR LF is kept whole or not at all.
std::string WithinLimit(std::string text, std::size_t limit)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i]))
            continue;
        const bool crLf = LineBreakAt(text, i) == 2;
        const std::size_t width = crLf ? 2 : LimitWidth(text[i]);
        if (length + width > limit) {
            text.resize(i);
            break;
        }
        length += width;
        i += crLf ? 1 : 0;
    }
    return text;
}

// Why a field could not hold what a call gives it whole, or empty when every
// field can. The reader already refuses a line break in a one-line field, so
// only a length limit is left to meet.
std::string WhatFieldsCannotHold(const MessageBoxOptions& options)
{
    const std::pair<Control, const std::string&> texts[] = {
        {txtTitle, options.TitleText}, {txtBody, options.BodyText}, {txtVariable, options.VariableText}};
    for (const auto& [field, text] : texts)
        if (const std::size_t limit = LayoutOf(field).MaxLength; LimitLength(text) > limit)
            return "the " + AccessibleNameOf(field, "") + " is longer than the " + std::to_string(limit) +
                   " characters its field holds";
    return {};
}

} // namespace

struct frmMain::EventRow {
    Control control;
    Event event;
    void (frmMain::*handler)();
};

// A click on any option of a group runs the group's one handler, handed the
// option, whose layout row says what it means.
struct frmMain::GroupRow {
    Control group;
    void (frmMain::*handler)(Control option);
};

const frmMain::GroupRow frmMain::GroupHandlers[] = {
    {Frame3, &frmMain::ButtonOption_Click},
};

// Which handler each event of each other control runs.
// clang-format off
const frmMain::EventRow frmMain::Events[] = {
    {chkHelpButtonDefault, Event::Click, &frmMain::chkHelpButtonDefault_Click},
    {chkMsgBoxHelpButton, Event::Click, &frmMain::chkMsgBoxHelpButton_Click},
    {cmdBrowse, Event::Click, &frmMain::cmdBrowse_Click},
    {cboLanguage, Event::Click, &frmMain::cboLanguage_Click},
    {cmdTry, Event::Click, &frmMain::cmdTry_Click},
    {cmdCopy, Event::Click, &frmMain::cmdCopy_Click},
    {cmdReset, Event::Click, &frmMain::cmdReset_Click},
    {cmdHelp, Event::Click, &frmMain::cmdHelp_Click},
    {cmdExit, Event::Click, &frmMain::cmdExit_Click},
    {lblLink, Event::Click, &frmMain::lblLink_Click},
    {txtTitle, Event::GotFocus, &frmMain::txtTitle_GotFocus},
    {txtBody, Event::GotFocus, &frmMain::txtBody_GotFocus},
    {txtVariable, Event::GotFocus, &frmMain::txtVariable_GotFocus},
    {txtHelpFile, Event::GotFocus, &frmMain::txtHelpFile_GotFocus},
    {txtTopicID, Event::GotFocus, &frmMain::txtTopicID_GotFocus},
    {lblLink, Event::MouseMove, &frmMain::lblLink_MouseMove},
    {Frame2, Event::MouseMove, &frmMain::Frame2_MouseMove},
    {SSTab1, Event::MouseMove, &frmMain::SSTab1_MouseMove},
    {Control::frmMain, Event::MouseMove, &frmMain::Form_MouseMove},
};
// clang-format on

frmMain::frmMain(Platform& platform, MainWindowFrontEnd& frontEnd)
    : platform(platform)
    , frontEnd(frontEnd)
    , selectedTab(LayoutOf(SSTab1).Value)
{
    for (const ControlLayout& row : MainWindowLayout)
        controls[Index(row.Id)] = {std::string(row.Caption), row.Value, row.Enabled, row.ForeColor, 0, 0};
    Form_Load();
}

bool frmMain::Reachable(Control control) const
{
    const int tab = TabOf(control);
    if (tab != NoTab && tab != selectedTab)
        return false;
    for (Control at = control;; at = LayoutOf(at).Container) {
        if (!State(at).Enabled)
            return false;
        if (at == Control::frmMain)
            return true;
    }
}

void frmMain::Clicked(Control control)
{
    if (!Reachable(control))
        return;
    switch (LayoutOf(control).Kind) {
    case ControlKind::CheckBox: return SetValue(control, State(control).Value == 1 ? 0 : 1);
    case ControlKind::OptionButton:
    case ControlKind::PushOption: return SetValue(control, 1);
    case ControlKind::DropDownList: return; // a click only opens the list; the choice comes as Picked
    default: return RaiseEvent(control, Event::Click);
    }
}

void frmMain::Picked(Control list, int item)
{
    if (State(list).Enabled && item >= 0 && static_cast<std::size_t>(item) < ItemsOf(list).size())
        SetValue(list, item);
}

void frmMain::LabelKeyPressed(Control label)
{
    const auto field = FieldLabelledBy(label);
    if (!field || !State(*field).Enabled)
        return;
    if (const int tab = TabOf(*field); tab != NoTab && tab != selectedTab)
        SetTab(tab);
    SetFocus(*field);
}

void frmMain::Edited(Control field, const std::string& text)
{
    if (!State(field).Enabled || !IsTextField(field))
        return;
    const std::string fitted = FittedText(field, text);
    if (fitted != State(field).Text)
        ++changes;
    controls[Index(field)].Text = fitted;
    if (fitted != text)
        frontEnd.Show(field, Property::Text);
}

std::string frmMain::FittedText(Control field, const std::string& text)
{
    const ControlLayout& row = LayoutOf(field);
    // The body keeps its line breaks as the field gives them, a lone CR or LF included.
    std::string fitted = row.Kind == ControlKind::MultiLineTextBox ? text : OnOneLine(text);
    return row.MaxLength == NoLimit ? fitted : WithinLimit(std::move(fitted), row.MaxLength);
}

void frmMain::GotFocus(Control control)
{
    if (!State(control).Enabled || !TakesFocus(LayoutOf(control).Kind))
        return;
    focus = control;
    RaiseEvent(control, Event::GotFocus);
}

void frmMain::MouseMoved(Control surface) { RaiseEvent(surface, Event::MouseMove); }

void frmMain::TabSelected(int tab)
{
    if (tab >= 0 && tab < static_cast<int>(TabCaptions.size()))
        selectedTab = tab;
    KeepFocusReachable();
}

bool frmMain::UnloadQuery()
{
    int Cancel = 0;
    Form_Unload(Cancel);
    return Cancel == 0;
}

// The choices and the tab are kept before the change runs; a change that
// changes nothing, such as a second Reset or a call that cannot be read,
// leaves the earlier change to be taken back.
template <class Change>
void frmMain::WholeWindowChange(Change change)
{
    Replaced before{Snapshot(), selectedTab};
    const unsigned changesBefore = changes;
    change();
    if (changes != changesBefore) {
        replaced = std::move(before);
        changesAtReplacement = changes;
    }
    KeepFocusReachable();
}

void frmMain::CallPasted()
{
    WholeWindowChange([this] { ReadCallFrom(platform.ClipboardText(), "on the clipboard"); });
}

void frmMain::CallDropped(const std::string& text)
{
    WholeWindowChange([this, &text] { ReadCallFrom(text, "in the dropped text"); });
}

bool frmMain::Takes(WindowCommand command) const
{
    return command != WindowCommand::Undo || (replaced && changes == changesAtReplacement);
}

void frmMain::KeyPressed(WindowCommand command)
{
    if (!Takes(command))
        return;
    switch (command) {
    case WindowCommand::ReadCall: return CallPasted();
    case WindowCommand::Undo: return UndoWholeWindowChange();
    case WindowCommand::NextTab: return ShowNeighbourTab(1);
    case WindowCommand::PreviousTab: return ShowNeighbourTab(-1);
    }
}

// The choices go back as a call that makes them would set them; one level only.
void frmMain::UndoWholeWindowChange()
{
    const Replaced before = *std::exchange(replaced, std::nullopt);
    ShowChoices(before.Choices);
    SetTab(before.Tab);
    KeepFocusReachable();
}

// As a click on the tab does, the tab strip takes the focus.
void frmMain::ShowNeighbourTab(int step)
{
    const int count = static_cast<int>(TabCaptions.size());
    SetTab((selectedTab + step + count) % count);
    SetFocus(SSTab1);
}

void frmMain::KeepFocusReachable()
{
    if (focus && !Reachable(*focus))
        SetFocus(SSTab1);
}

void frmMain::ReadCallFrom(const std::string& source, const char* place)
{
    const auto read = ReadCall(source, Snapshot().CodeLanguage);
    std::string fault;
    if (const auto* reason = std::get_if<std::string>(&read))
        fault = *reason;
    else
        fault = WhatFieldsCannotHold(std::get<MessageBoxOptions>(read));
    if (fault.empty())
        return ShowChoices(std::get<MessageBoxOptions>(read));
    platform.ShowMessageBox({"Vellumet cannot read the MsgBox call " + std::string(place) + ": " + fault +
                                 ".\r\n\r\nThe window is unchanged.",
                             WarningStyle, ProgramTitle, std::nullopt});
}

// Sets the controls in an order whose nested click handlers keep the window
// consistent: the button option before the variable it enables, and the Help
// button before the settings it enables and the default it may take.
void frmMain::ShowChoices(const MessageBoxOptions& options)
{
    SetText(txtTitle, options.TitleText);
    SetText(txtBody, options.BodyText);
    SetValue(chkSystemModal, options.SystemModal ? 1 : 0);
    SetValue(cboLanguage, static_cast<int>(options.CodeLanguage));
    for (const OptionMeaning& meaning : MeaningsOf(options))
        SetValue(OptionFor(meaning), 1);
    if (State(txtVariable).Enabled)
        SetText(txtVariable, options.VariableText);
    SetValue(chkMsgBoxHelpButton, options.IncludeHelpButton ? 1 : 0);
    if (options.IncludeHelpButton) {
        SetText(txtHelpFile, options.HelpFileText);
        SetValue(chkAppPathHelpFile, options.UseAppPath ? 1 : 0);
        SetText(txtTopicID, options.TopicIDText);
    }
    SetValue(chkHelpButtonDefault, options.HelpButtonIsDefault ? 1 : 0);
}

bool frmMain::Handles(Control control, Event event)
{
    if (IsOption(control) && event == Event::Click)
        return std::ranges::any_of(GroupHandlers,
                                   [control](const GroupRow& row) { return row.group == GroupOf(control); });
    return std::ranges::any_of(Events,
                               [&](const EventRow& row) { return row.control == control && row.event == event; });
}

void frmMain::RaiseEvent(Control control, Event event)
{
    if (IsOption(control) && event == Event::Click) {
        for (const GroupRow& row : GroupHandlers)
            if (row.group == GroupOf(control))
                (this->*row.handler)(control);
        return;
    }
    for (const EventRow& row : Events)
        if (row.control == control && row.event == event)
            (this->*row.handler)();
}

void frmMain::SetValue(Control control, int value)
{
    if (State(control).Value == value)
        return;
    ++changes;
    if (IsOption(control))
        for (Control member : OptionsOf(GroupOf(control)))
            if (member != control && State(member).Value != 0) {
                controls[Index(member)].Value = 0;
                frontEnd.Show(member, Property::Value);
            }
    controls[Index(control)].Value = value;
    if (LayoutOf(control).Kind == ControlKind::DropDownList)
        controls[Index(control)].Text = ItemsOf(control).at(static_cast<std::size_t>(value));
    frontEnd.Show(control, Property::Value);
    RaiseEvent(control, Event::Click);
}

void frmMain::SetText(Control control, const std::string& text)
{
    if (State(control).Text != text)
        ++changes;
    controls[Index(control)].Text = text;
    frontEnd.Show(control, Property::Text);
}

void frmMain::SetEnabled(Control control, bool enabled)
{
    controls[Index(control)].Enabled = enabled;
    frontEnd.Show(control, Property::Enabled);
}

void frmMain::SetForeColor(Control control, unsigned colour)
{
    controls[Index(control)].ForeColor = colour;
    frontEnd.Show(control, Property::ForeColor);
}

void frmMain::SetTab(int tab)
{
    selectedTab = tab;
    frontEnd.ShowTab(tab);
    KeepFocusReachable();
}

void frmMain::SetFocus(Control control) { frontEnd.MoveFocus(control); }

void frmMain::RestoreText(Control control) { SetText(control, std::string(LayoutOf(control).Caption)); }

void frmMain::RestoreValue(Control control) { SetValue(control, LayoutOf(control).Value); }

void frmMain::RestoreEnabled(Control control) { SetEnabled(control, LayoutOf(control).Enabled); }

// The label names the default button from the start, so its first caption is the first default.
void frmMain::Form_Load() { defaultButtonCaption = LayoutOf(lblDefault).Caption; }

void frmMain::Form_Unload(int& Cancel)
{
    if (platform.ShowMessageBox({"Are you sure you want to exit?", ExitQuestionStyle, ProgramTitle, std::nullopt}) ==
        static_cast<int>(Answer::No))
        Cancel = 1;
    else
        platform.EndProcess();
}

// The option names the default button; only a set of more than one button has an answer to keep.
void frmMain::ButtonOption_Click(Control option)
{
    const auto [set, defaultPosition] = std::get<ButtonPlace>(LayoutOf(option).Means);
    const std::vector<Answer>& buttons = ButtonSetOf(ButtonChoiceFor(set, defaultPosition).value()).Buttons;
    defaultButtonCaption = AnswerCaption(buttons.at(static_cast<std::size_t>(defaultPosition) - 1));
    UpdateDefaultLabel();
    const bool oneButton = buttons.size() == 1;
    if (oneButton)
        RestoreText(txtVariable);
    SetEnabled(txtVariable, !oneButton);
    SetEnabled(lblVariable, !oneButton);
}

void frmMain::chkHelpButtonDefault_Click() { UpdateDefaultLabel(); }

void frmMain::UpdateDefaultLabel()
{
    SetText(lblDefault, State(chkHelpButtonDefault).Value == 1 ? "Help" : defaultButtonCaption);
}

void frmMain::chkMsgBoxHelpButton_Click()
{
    if (State(chkMsgBoxHelpButton).Value == 1) {
        for (Control detail :
             {lblHelpFile, txtHelpFile, chkAppPathHelpFile, lblTopicID, txtTopicID, cmdBrowse, chkHelpButtonDefault})
            SetEnabled(detail, true);
        return;
    }
    // Without a Help button its settings go back to their start values, out of reach.
    RestoreValue(chkHelpButtonDefault);
    SetEnabled(chkHelpButtonDefault, false);
    SetEnabled(lblHelpFile, false);
    RestoreText(txtHelpFile);
    SetEnabled(txtHelpFile, false);
    RestoreValue(chkAppPathHelpFile);
    SetEnabled(chkAppPathHelpFile, false);
    SetEnabled(lblTopicID, false);
    RestoreText(txtTopicID);
    SetEnabled(txtTopicID, false);
    SetEnabled(cmdBrowse, false);
}

void frmMain::cmdBrowse_Click()
{
    const FileOpenRequest request{
        "Select help file",
        {{"Windows Help Files", "*.hlp"}, {"Compiled HTML Help Files", "*.chm"}, {"All Files", "*.*"}}};
    if (const auto chosen = platform.ChooseFileToOpen(frontEnd.Handle(), request))
        SetText(txtHelpFile, *chosen);
}

// The check box names the folder of the chosen language. The language describes
// the user's project rather than the box, so Reset leaves it as chosen.
void frmMain::cboLanguage_Click() { SetText(chkAppPathHelpFile, std::string(ChosenLanguage().FolderCaption)); }

const LanguageRow& frmMain::ChosenLanguage() const
{
    return Languages.at(static_cast<std::size_t>(State(cboLanguage).Value));
}

void frmMain::cmdTry_Click() { Generate(GenerateMode::Try); }

void frmMain::cmdCopy_Click() { Generate(GenerateMode::Copy); }

void frmMain::Generate(GenerateMode mode)
{
    // Without a converter for the system's code page, every character beyond ASCII is written as ChrW(...), which
    // any code page keeps.
    const CodePageWidth codePage = CodePageWidthOf(platform.AnsiCodePage()).value_or(CodePageWidth(AsciiWidth));
    const GenerateResult result = GenerateCode(
        mode, Snapshot(), [this] { return platform.ApplicationPath(); }, codePage);
    if (const auto* failure = std::get_if<GenerateFailure>(&result))
        return Refuse(*failure);
    if (const auto* box = std::get_if<MessageBoxRequest>(&result)) {
        platform.ShowMessageBox(*box);
        return;
    }
    // A clipboard that refuses the text is left cleared, so that nothing old is pasted as if it were the code.
    platform.ClearClipboard();
    if (!platform.SetClipboardText(std::get<CopyRequest>(result).Text))
        Refuse(GenerateFailure::ClipboardRefused);
}

// Tells what stands in the way and takes the user to the field that can mend it.
void frmMain::Refuse(GenerateFailure failure)
{
    platform.ShowMessageBox({std::string(FailureMessage(failure)), WarningStyle, ProgramTitle, std::nullopt});
    const auto showField = [this](int tab, Control field) {
        SetTab(tab);
        SetFocus(field);
    };
    switch (failure) {
    case GenerateFailure::BlankBody: return showField(GeneralTab, txtBody);
    case GenerateFailure::LineBreakInTitle: return showField(GeneralTab, txtTitle);
    case GenerateFailure::MissingVariableName:
    case GenerateFailure::VariableNameNotStartingWithLetter:
    case GenerateFailure::VariableNameCharacter:
    case GenerateFailure::VariableNameTooLong:
    case GenerateFailure::VariableNameOutsideCodePage:
    case GenerateFailure::VariableNameReserved: return showField(StyleTab, txtVariable);
    case GenerateFailure::TopicNotConvertible: return showField(HelpButtonTab, txtTopicID);
    case GenerateFailure::LineBreakInHelpFile: return showField(HelpButtonTab, txtHelpFile);
    // The window's texts are always UTF-8.
    case GenerateFailure::TextNotUtf8:
    case GenerateFailure::ClipboardRefused: return;
    }
}

// Puts back the start values of the layout, in an order whose nested click
// handlers leave every dependent control at its start value too, and the
// start's tab with the focus on the tab strip.
void frmMain::cmdReset_Click()
{
    WholeWindowChange([this] {
        RestoreText(txtTitle);
        RestoreText(txtBody);
        RestoreValue(chkSystemModal);
        RestoreValue(optText);
        RestoreValue(optNoIcon);
        RestoreValue(optOKOnly);
        RestoreText(txtVariable);
        RestoreEnabled(txtVariable);
        RestoreEnabled(lblVariable);
        RestoreValue(chkMsgBoxHelpButton);
        RestoreValue(chkHelpButtonDefault);
        RestoreEnabled(chkHelpButtonDefault);
        defaultButtonCaption = LayoutOf(lblDefault).Caption;
        UpdateDefaultLabel();
    });
    SetTab(LayoutOf(SSTab1).Value);
    SetFocus(SSTab1);
}

void frmMain::cmdHelp_Click()
{
    const std::string path = JoinPath(platform.ApplicationPath(), HelpFileName);
    const MessageBoxRequest missing{NoHelpFileMessage, InformationStyle, ProgramTitle, std::nullopt};
    if (const auto notice = HelpNotice(platform.ShellOpen(frontEnd.Handle(), path), path, missing))
        platform.ShowMessageBox(*notice);
}

void frmMain::cmdExit_Click() { frontEnd.Unload(); }

void frmMain::lblLink_Click() { platform.ShellOpen(frontEnd.Handle(), MakersPage); }

void frmMain::txtTitle_GotFocus() { SelectAll(txtTitle); }
void frmMain::txtBody_GotFocus() { SelectAll(txtBody); }
void frmMain::txtVariable_GotFocus() { SelectAll(txtVariable); }
void frmMain::txtHelpFile_GotFocus() { SelectAll(txtHelpFile); }
void frmMain::txtTopicID_GotFocus() { SelectAll(txtTopicID); }

void frmMain::SelectAll(Control field)
{
    ControlState& state = controls[Index(field)];
    state.SelStart = 0;
    state.SelLength = CharacterCount(state.Text);
    frontEnd.Show(field, Property::Selection);
}

void frmMain::lblLink_MouseMove() { SetForeColor(lblLink, HoverColour); }
void frmMain::Frame2_MouseMove() { SetForeColor(lblLink, LinkColour); }
void frmMain::SSTab1_MouseMove() { SetForeColor(lblLink, LinkColour); }
void frmMain::Form_MouseMove() { SetForeColor(lblLink, LinkColour); }

MessageBoxOptions frmMain::Snapshot() const
{
    const auto isSet = [this](Control control) { return State(control).Value == 1; };
    MessageBoxOptions options;
    for (const ControlLayout& row : MainWindowLayout)
        if (IsOption(row.Id) && isSet(row.Id))
            Choose(options, row.Means);
    options.HelpButtonIsDefault = isSet(chkHelpButtonDefault);
    options.IncludeHelpButton = isSet(chkMsgBoxHelpButton);
    options.SystemModal = isSet(chkSystemModal);
    options.TitleText = State(txtTitle).Text;
    options.BodyText = State(txtBody).Text;
    options.VariableText = State(txtVariable).Text;
    options.HelpFileText = State(txtHelpFile).Text;
    options.UseAppPath = isSet(chkAppPathHelpFile);
    options.TopicIDText = State(txtTopicID).Text;
    options.CodeLanguage = ChosenLanguage().Id;
    return options;
}

} // namespace vellumet
