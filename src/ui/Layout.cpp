// The main window's layout table, a row for each control with its start values, and what the table tells
// of a control: its tab, its role and spoken name, the field a label names and its option group.
#include "Layout.h"

#include "codegen/Languages.h"

#include <algorithm>

namespace vellumet {

namespace {

using enum Control;
using enum ControlKind;

constexpr int Selected = 1;
constexpr int Clear = 0;
constexpr int NoValue = 0;
constexpr bool On = true;
constexpr bool Off = false;
constexpr OptionMeaning NoMeaning{};
// The language the list starts at, as the options do, and whose folder the check box starts naming.
constexpr int StartLanguage = static_cast<int>(Language::VB6);

// The window is placed in the middle of the screen; its size is its client area.
// Each option says what it chooses, the one place that tells it.
// The table keeps a line a control, however long.
// clang-format off
constexpr std::array<ControlLayout, ControlCount> Rows{{
    {frmMain, "frmMain", Window, frmMain, NoTab, "Vellumet - Tarnwick Solutions", "", 0, 0, 5835, 7905, NoTabIndex, NoValue, NoMeaning, On, NoLimit, FontKind::Dialog, PictureKind::Information},
    {SSTab1, "SSTab1", TabControl, frmMain, NoTab, "", "Message box choices", 120, 120, 5535, 6855, 0, AboutTab, NoMeaning, On, NoLimit},

    {Image2, "Image2", Picture, SSTab1, AboutTab, "", "A message box with the Style tab of Vellumet in it, above the name Vellumet, version 1.0, by Tarnwick Solutions", 120, 480, 5295, 6270, NoTabIndex, NoValue, NoMeaning, On, NoLimit, FontKind::Dialog, PictureKind::About},

    {Label1, "Label1", Label, SSTab1, GeneralTab, "Title:", "", 360, 720, 345, 195, 1, NoValue, NoMeaning, On, NoLimit},
    {txtTitle, "txtTitle", TextBox, SSTab1, GeneralTab, "", "Title", 360, 1080, 4815, 285, 2, NoValue, NoMeaning, On, TextLimit},
    {Label2, "Label2", Label, SSTab1, GeneralTab, "Body Message:", "", 360, 1800, 1095, 195, 3, NoValue, NoMeaning, On, NoLimit},
    {txtBody, "txtBody", MultiLineTextBox, SSTab1, GeneralTab, "", "Body Message", 360, 2160, 4815, 2475, 4, NoValue, NoMeaning, On, TextLimit},
    {chkSystemModal, "chkSystemModal", CheckBox, SSTab1, GeneralTab, "Make the MsgBox system-modal", "", 360, 5040, 2655, 375, 5, Clear, NoMeaning, On, NoLimit},
    {optText, "optText", OptionButton, SSTab1, GeneralTab, "Copy code as text", "", 360, 5760, 1695, 375, 6, Selected, CopyMode::AsText, On, NoLimit},
    {optValue, "optValue", OptionButton, SSTab1, GeneralTab, "Copy code as value", "", 360, 6120, 1815, 375, 7, Clear, CopyMode::AsValue, On, NoLimit},
    {lblLanguage, "lblLanguage", Label, SSTab1, GeneralTab, "Co&de for:", "", 2640, 5820, 780, 195, 8, NoValue, NoMeaning, On, NoLimit},
    {cboLanguage, "cboLanguage", DropDownList, SSTab1, GeneralTab, Languages[StartLanguage].Caption, "Code for", 2640, 6120, 2535, 315, 9, StartLanguage, NoMeaning, On, NoLimit},

    {Frame1, "Frame1", BorderlessFrame, SSTab1, StyleTab, "", "Icon", 240, 360, 5055, 1575, 10, NoValue, NoMeaning, On, NoLimit},
    {Frame3, "Frame3", BorderlessFrame, SSTab1, StyleTab, "", "Buttons", 240, 2040, 5055, 3375, 21, NoValue, NoMeaning, On, NoLimit},
    {fraVar, "fraVar", Frame, SSTab1, StyleTab, "", "Result variable", 240, 5520, 5055, 1095, 37, NoValue, NoMeaning, On, NoLimit},

    {Label3, "Label3", CentredLabel, Frame1, NoTab, "No Icon", "", 120, 240, 840, 195, 11, NoValue, NoMeaning, On, NoLimit},
    {optNoIcon, "optNoIcon", PushOption, Frame1, NoTab, "", "No Icon", 120, 600, 855, 855, 12, Selected, IconChoice::NoIcon, On, NoLimit},
    {Label4, "Label4", CentredLabel, Frame1, NoTab, "Critical", "", 1080, 240, 840, 195, 13, NoValue, NoMeaning, On, NoLimit},
    {optCritical, "optCritical", PushOption, Frame1, NoTab, "", "Critical", 1080, 600, 855, 855, 14, Clear, IconChoice::Critical, On, NoLimit, FontKind::Dialog, PictureKind::Critical},
    {Label5, "Label5", CentredLabel, Frame1, NoTab, "Question", "", 2040, 240, 840, 195, 15, NoValue, NoMeaning, On, NoLimit},
    {optQuestion, "optQuestion", PushOption, Frame1, NoTab, "", "Question", 2040, 600, 855, 855, 16, Clear, IconChoice::Question, On, NoLimit, FontKind::Dialog, PictureKind::Question},
    {Label6, "Label6", CentredLabel, Frame1, NoTab, "Exclamation", "", 3000, 240, 840, 195, 17, NoValue, NoMeaning, On, NoLimit},
    {optExclamation, "optExclamation", PushOption, Frame1, NoTab, "", "Exclamation", 3000, 600, 855, 855, 18, Clear, IconChoice::Exclamation, On, NoLimit, FontKind::Dialog, PictureKind::Exclamation},
    {Label7, "Label7", CentredLabel, Frame1, NoTab, "Information", "", 4080, 240, 840, 195, 19, NoValue, NoMeaning, On, NoLimit},
    {optInformation, "optInformation", PushOption, Frame1, NoTab, "", "Information", 4080, 600, 855, 855, 20, Clear, IconChoice::Information, On, NoLimit, FontKind::Dialog, PictureKind::Information},

    // One row per message-box button set, centred in the frame as a message box centres its buttons.
    {optOKOnly, "optOKOnly", PushOption, Frame3, NoTab, "OK", "OK, in OK alone", 1680, 240, 1695, 375, 22, Selected, ButtonPlace{0, 1}, On, NoLimit},
    {optOKCancel1, "optOKCancel1", PushOption, Frame3, NoTab, "OK", "OK, in OK and Cancel", 960, 720, 1575, 375, 23, Clear, ButtonPlace{1, 1}, On, NoLimit},
    {optOKCancel2, "optOKCancel2", PushOption, Frame3, NoTab, "Cancel", "Cancel, in OK and Cancel", 2520, 720, 1575, 375, 24, Clear, ButtonPlace{1, 2}, On, NoLimit},
    {optAbortRetryIgnore1, "optAbortRetryIgnore1", PushOption, Frame3, NoTab, "Abort", "Abort, in Abort, Retry and Ignore", 120, 1200, 1575, 375, 25, Clear, ButtonPlace{2, 1}, On, NoLimit},
    {optAbortRetryIgnore2, "optAbortRetryIgnore2", PushOption, Frame3, NoTab, "Retry", "Retry, in Abort, Retry and Ignore", 1680, 1200, 1695, 375, 26, Clear, ButtonPlace{2, 2}, On, NoLimit},
    {optAbortRetryIgnore3, "optAbortRetryIgnore3", PushOption, Frame3, NoTab, "Ignore", "Ignore, in Abort, Retry and Ignore", 3360, 1200, 1575, 375, 27, Clear, ButtonPlace{2, 3}, On, NoLimit},
    {optYesNoCancel1, "optYesNoCancel1", PushOption, Frame3, NoTab, "Yes", "Yes, in Yes, No and Cancel", 120, 1680, 1575, 375, 28, Clear, ButtonPlace{3, 1}, On, NoLimit},
    {optYesNoCancel2, "optYesNoCancel2", PushOption, Frame3, NoTab, "No", "No, in Yes, No and Cancel", 1680, 1680, 1695, 375, 29, Clear, ButtonPlace{3, 2}, On, NoLimit},
    {optYesNoCancel3, "optYesNoCancel3", PushOption, Frame3, NoTab, "Cancel", "Cancel, in Yes, No and Cancel", 3360, 1680, 1575, 375, 30, Clear, ButtonPlace{3, 3}, On, NoLimit},
    {optYesNo1, "optYesNo1", PushOption, Frame3, NoTab, "Yes", "Yes, in Yes and No", 960, 2160, 1575, 375, 31, Clear, ButtonPlace{4, 1}, On, NoLimit},
    {optYesNo2, "optYesNo2", PushOption, Frame3, NoTab, "No", "No, in Yes and No", 2520, 2160, 1575, 375, 32, Clear, ButtonPlace{4, 2}, On, NoLimit},
    {optRetryCancel1, "optRetryCancel1", PushOption, Frame3, NoTab, "Retry", "Retry, in Retry and Cancel", 960, 2640, 1575, 375, 33, Clear, ButtonPlace{5, 1}, On, NoLimit},
    {optRetryCancel2, "optRetryCancel2", PushOption, Frame3, NoTab, "Cancel", "Cancel, in Retry and Cancel", 2520, 2640, 1575, 375, 34, Clear, ButtonPlace{5, 2}, On, NoLimit},
    {Label13, "Label13", Label, Frame3, NoTab, "Default Button:", "", 120, 3120, 1065, 195, 35, NoValue, NoMeaning, On, NoLimit},
    {lblDefault, "lblDefault", AutoSizeLabel, Frame3, NoTab, "OK", "Default Button:", 1320, 3120, 225, 195, 36, NoValue, NoMeaning, On, NoLimit},

    {lblVariable, "lblVariable", Label, fraVar, NoTab, "Variable Name:", "", 240, 240, 1080, 195, 38, NoValue, NoMeaning, Off, NoLimit},
    {txtVariable, "txtVariable", TextBox, fraVar, NoTab, "Response", "Variable Name", 240, 600, 4575, 285, 39, NoValue, NoMeaning, Off, TextLimit},

    {chkMsgBoxHelpButton, "chkMsgBoxHelpButton", CheckBox, SSTab1, HelpButtonTab, "Include help button", "", 1920, 720, 1695, 375, 40, Clear, NoMeaning, On, NoLimit},
    {fraHelp, "fraHelp", Frame, SSTab1, HelpButtonTab, "", "Help button settings", 360, 1320, 4815, 3375, 41, NoValue, NoMeaning, On, NoLimit},
    {Frame2, "Frame2", Frame, SSTab1, HelpButtonTab, "", "More tools", 360, 5400, 4815, 1095, 49, NoValue, NoMeaning, On, NoLimit},

    // The Help-button settings stay out of reach until the box gets a Help button.
    {lblHelpFile, "lblHelpFile", Label, fraHelp, NoTab, "Help File:", "", 240, 360, 660, 195, 42, NoValue, NoMeaning, Off, NoLimit},
    {txtHelpFile, "txtHelpFile", TextBox, fraHelp, NoTab, "", "Help File", 240, 720, 3735, 285, 43, NoValue, NoMeaning, Off, NoLimit},
    {cmdBrowse, "cmdBrowse", CommandButton, fraHelp, NoTab, "...", "Browse for a help file", 4200, 720, 375, 255, 44, NoValue, NoMeaning, Off, NoLimit},
    {chkAppPathHelpFile, "chkAppPathHelpFile", CheckBox, fraHelp, NoTab, Languages[StartLanguage].FolderCaption, "", 240, 1200, 4335, 375, 45, Clear, NoMeaning, Off, NoLimit},
    {lblTopicID, "lblTopicID", Label, fraHelp, NoTab, "Topic ID:", "", 240, 1800, 660, 195, 46, NoValue, NoMeaning, Off, NoLimit},
    {txtTopicID, "txtTopicID", TextBox, fraHelp, NoTab, "0", "Topic ID", 240, 2160, 3735, 285, 47, NoValue, NoMeaning, Off, NoLimit},
    {chkHelpButtonDefault, "chkHelpButtonDefault", CheckBox, fraHelp, NoTab, "Help button is default", "", 240, 2760, 1815, 375, 48, Clear, NoMeaning, Off, NoLimit},

    {Label8, "Label8", CentredLabel, Frame2, NoTab, "Find more tools for Visual Basic at", "", 240, 240, 4335, 300, 50, NoValue, NoMeaning, On, NoLimit, FontKind::Notice},
    {lblLink, "lblLink", CentredLabel, Frame2, NoTab, "Tarnwick Computer Solutions", "", 240, 600, 4320, 300, 51, NoValue, NoMeaning, On, NoLimit, FontKind::UnderlinedNotice, PictureKind::None, PointerKind::Hand, LinkColour},

    {cmdTry, "cmdTry", CommandButton, frmMain, NoTab, "&Try It", "", 240, 7200, 975, 495, 52, NoValue, NoMeaning, On, NoLimit},
    {cmdReset, "cmdReset", CommandButton, frmMain, NoTab, "&Reset", "", 1320, 7200, 975, 495, 53, NoValue, NoMeaning, On, NoLimit},
    {cmdCopy, "cmdCopy", CommandButton, frmMain, NoTab, "&Copy Code", "", 2400, 7200, 975, 495, 54, NoValue, NoMeaning, On, NoLimit},
    {cmdHelp, "cmdHelp", CommandButton, frmMain, NoTab, "&Help", "", 3480, 7200, 975, 495, 55, NoValue, NoMeaning, On, NoLimit},
    {cmdExit, "cmdExit", CommandButton, frmMain, NoTab, "&Exit", "", 4560, 7200, 975, 495, 56, NoValue, NoMeaning, On, NoLimit},
}};
// clang-format on

constexpr bool RowsInControlOrder()
{
    for (std::size_t i = 0; i < Rows.size(); ++i)
        if (static_cast<std::size_t>(Rows[i].Id) != i)
            return false;
    return true;
}
static_assert(RowsInControlOrder(), "each row stands at its control's place");

constexpr bool IsOptionKind(ControlKind kind) { return kind == OptionButton || kind == PushOption; }

// Every option means a value of the one choice its group stands for, no two
// options the same, and one option of each group is selected at start.
constexpr bool GroupsMeanOneChoiceEach()
{
    for (const ControlLayout& option : Rows) {
        if (IsOptionKind(option.Kind) == std::holds_alternative<std::monostate>(option.Means))
            return false;
        if (!IsOptionKind(option.Kind))
            continue;
        int selected = 0;
        for (const ControlLayout& other : Rows) {
            if (!IsOptionKind(other.Kind) || other.Container != option.Container)
                continue;
            if (other.Means.index() != option.Means.index() || (&other != &option && other.Means == option.Means))
                return false;
            selected += other.Value;
        }
        if (selected != 1)
            return false;
    }
    return true;
}
static_assert(GroupsMeanOneChoiceEach(), "each option group stands for one choice, one option selected");

} // namespace

const std::array<ControlLayout, ControlCount> MainWindowLayout = Rows;

int TabOf(Control control)
{
    for (Control at = control; at != Control::frmMain; at = LayoutOf(at).Container)
        if (LayoutOf(at).Tab != NoTab)
            return LayoutOf(at).Tab;
    return NoTab;
}

AccessibleRole RoleOf(Control control)
{
    const ControlLayout& row = LayoutOf(control);
    switch (row.Kind) {
    case Window: return AccessibleRole::Window;
    case TabControl: return AccessibleRole::PageTabList;
    case Picture: return AccessibleRole::Graphic;
    case Label:
    case CentredLabel:
    case AutoSizeLabel: return row.Pointer == PointerKind::Hand ? AccessibleRole::Link : AccessibleRole::StaticText;
    case TextBox:
    case MultiLineTextBox: return AccessibleRole::Text;
    case DropDownList: return AccessibleRole::ComboBox;
    case CheckBox: return AccessibleRole::CheckBox;
    case OptionButton:
    case PushOption: return AccessibleRole::RadioButton;
    case CommandButton: return AccessibleRole::PushButton;
    case Frame:
    case BorderlessFrame: return AccessibleRole::Grouping;
    }
    return AccessibleRole::StaticText;
}

std::string AccessibleNameOf(Control control, std::string_view caption)
{
    const std::string_view name = LayoutOf(control).AccessibleName;
    if (control == Control::lblDefault)
        return std::string(name).append(" ").append(caption);
    if (!name.empty())
        return std::string(name);
    std::string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a lone "&" only marks the mnemonic.
        if (caption[i] == '&' && ++i == caption.size())
            break;
        spoken += caption[i];
    }
    return spoken;
}

std::optional<Control> FieldLabelledBy(Control label)
{
    const auto next = static_cast<std::size_t>(label) + 1;
    if (LayoutOf(label).Kind != Label || next == ControlCount)
        return std::nullopt;
    const ControlKind kind = MainWindowLayout[next].Kind;
    const bool field = kind == TextBox || kind == MultiLineTextBox || kind == DropDownList;
    return field ? std::optional(MainWindowLayout[next].Id) : std::nullopt;
}

std::vector<std::string_view> ItemsOf(Control list)
{
    std::vector<std::string_view> items;
    if (list == cboLanguage)
        for (const LanguageRow& language : Languages)
            items.push_back(language.Caption);
    return items;
}

bool IsOption(Control control) { return IsOptionKind(LayoutOf(control).Kind); }

bool IsTextField(Control control)
{
    const ControlKind kind = LayoutOf(control).Kind;
    return kind == TextBox || kind == MultiLineTextBox;
}

bool IsContainer(Control control)
{
    const ControlKind kind = LayoutOf(control).Kind;
    return kind == Frame || kind == BorderlessFrame;
}

std::vector<Control> OptionGroups()
{
    std::vector<Control> groups;
    for (const ControlLayout& row : MainWindowLayout)
        if (IsOption(row.Id) && std::ranges::find(groups, row.Container) == groups.end())
            groups.push_back(row.Container);
    return groups;
}

Control GroupOf(Control option) { return LayoutOf(option).Container; }

std::vector<Control> OptionsOf(Control group)
{
    std::vector<const ControlLayout*> options;
    for (const ControlLayout& row : MainWindowLayout)
        if (IsOption(row.Id) && row.Container == group)
            options.push_back(&row);
    std::ranges::sort(options, {}, &ControlLayout::TabIndex);
    std::vector<Control> members;
    for (const ControlLayout* option : options)
        members.push_back(option->Id);
    return members;
}

Control OptionFor(const OptionMeaning& meaning)
{
    return std::ranges::find(MainWindowLayout, meaning, &ControlLayout::Means)->Id;
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case TabControl:
    case TextBox:
    case MultiLineTextBox:
    case DropDownList:
    case CheckBox:
    case OptionButton:
    case PushOption:
    case CommandButton: return true;
    default: return false;
    }
}

} // namespace vellumet
