#include "Layout.h"

namespace vellumet {

namespace {

using enum Control;
using enum ControlKind;

constexpr int Selected = 1;
constexpr int Clear = 0;
constexpr int NoValue = 0;
constexpr bool On = true;
constexpr bool Off = false;

// The window is placed in the middle of the screen; its size is its client area.
// The table keeps a line a control, however long.
// clang-format off
constexpr std::array<ControlLayout, ControlCount> Rows{{
    {frmMain, "frmMain", Window, frmMain, NoTab, "Vellumet - Tarnwick Solutions", "", 0, 0, 5835, 7905, NoTabIndex, NoValue, On, NoLimit, FontKind::Dialog, PictureKind::Information},
    {SSTab1, "SSTab1", TabControl, frmMain, NoTab, "", "Message box choices", 120, 120, 5535, 6855, 0, AboutTab, On, NoLimit},

    {Image2, "Image2", Picture, SSTab1, AboutTab, "", "A message box with the Style tab of Vellumet in it, above the name Vellumet, version 1.0, by Tarnwick Solutions", 120, 480, 5295, 6270, NoTabIndex, NoValue, On, NoLimit, FontKind::Dialog, PictureKind::About},

    {Label1, "Label1", Label, SSTab1, GeneralTab, "Title:", "", 360, 720, 345, 195, 1, NoValue, On, NoLimit},
    {txtTitle, "txtTitle", TextBox, SSTab1, GeneralTab, "", "Title", 360, 1080, 4815, 285, 2, NoValue, On, TextLimit},
    {Label2, "Label2", Label, SSTab1, GeneralTab, "Body Message:", "", 360, 1800, 1095, 195, 3, NoValue, On, NoLimit},
    {txtBody, "txtBody", MultiLineTextBox, SSTab1, GeneralTab, "", "Body Message", 360, 2160, 4815, 2475, 4, NoValue, On, TextLimit},
    {chkSystemModal, "chkSystemModal", CheckBox, SSTab1, GeneralTab, "Make the MsgBox system-modal", "", 360, 5040, 2655, 375, 5, Clear, On, NoLimit},
    {optText, "optText", OptionButton, SSTab1, GeneralTab, "Copy code as text", "", 360, 5760, 1695, 375, 6, Selected, On, NoLimit},
    {optValue, "optValue", OptionButton, SSTab1, GeneralTab, "Copy code as value", "", 360, 6120, 1815, 375, 7, Clear, On, NoLimit},

    {Frame1, "Frame1", BorderlessFrame, SSTab1, StyleTab, "", "Icon", 240, 360, 5055, 1575, 8, NoValue, On, NoLimit},
    {Frame3, "Frame3", BorderlessFrame, SSTab1, StyleTab, "", "Buttons", 240, 2040, 5055, 3375, 19, NoValue, On, NoLimit},
    {fraVar, "fraVar", Frame, SSTab1, StyleTab, "", "Result variable", 240, 5520, 5055, 1095, 35, NoValue, On, NoLimit},

    {Label3, "Label3", CentredLabel, Frame1, NoTab, "No Icon", "", 120, 240, 840, 195, 9, NoValue, On, NoLimit},
    {optNoIcon, "optNoIcon", PushOption, Frame1, NoTab, "", "No Icon", 120, 600, 855, 855, 10, Selected, On, NoLimit},
    {Label4, "Label4", CentredLabel, Frame1, NoTab, "Critical", "", 1080, 240, 840, 195, 11, NoValue, On, NoLimit},
    {optCritical, "optCritical", PushOption, Frame1, NoTab, "", "Critical", 1080, 600, 855, 855, 12, Clear, On, NoLimit, FontKind::Dialog, PictureKind::Critical},
    {Label5, "Label5", CentredLabel, Frame1, NoTab, "Question", "", 2040, 240, 840, 195, 13, NoValue, On, NoLimit},
    {optQuestion, "optQuestion", PushOption, Frame1, NoTab, "", "Question", 2040, 600, 855, 855, 14, Clear, On, NoLimit, FontKind::Dialog, PictureKind::Question},
    {Label6, "Label6", CentredLabel, Frame1, NoTab, "Exclamation", "", 3000, 240, 840, 195, 15, NoValue, On, NoLimit},
    {optExclamation, "optExclamation", PushOption, Frame1, NoTab, "", "Exclamation", 3000, 600, 855, 855, 16, Clear, On, NoLimit, FontKind::Dialog, PictureKind::Exclamation},
    {Label7, "Label7", CentredLabel, Frame1, NoTab, "Information", "", 4080, 240, 840, 195, 17, NoValue, On, NoLimit},
    {optInformation, "optInformation", PushOption, Frame1, NoTab, "", "Information", 4080, 600, 855, 855, 18, Clear, On, NoLimit, FontKind::Dialog, PictureKind::Information},

    // One row per message-box button set, centred in the frame as a message box centres its buttons.
    {optOKOnly, "optOKOnly", PushOption, Frame3, NoTab, "OK", "OK, in OK alone", 1680, 240, 1695, 375, 20, Selected, On, NoLimit},
    {optOKCancel1, "optOKCancel1", PushOption, Frame3, NoTab, "OK", "OK, in OK and Cancel", 960, 720, 1575, 375, 21, Clear, On, NoLimit},
    {optOKCancel2, "optOKCancel2", PushOption, Frame3, NoTab, "Cancel", "Cancel, in OK and Cancel", 2520, 720, 1575, 375, 22, Clear, On, NoLimit},
    {optAbortRetryIgnore1, "optAbortRetryIgnore1", PushOption, Frame3, NoTab, "Abort", "Abort, in Abort, Retry and Ignore", 120, 1200, 1575, 375, 23, Clear, On, NoLimit},
    {optAbortRetryIgnore2, "optAbortRetryIgnore2", PushOption, Frame3, NoTab, "Retry", "Retry, in Abort, Retry and Ignore", 1680, 1200, 1695, 375, 24, Clear, On, NoLimit},
    {optAbortRetryIgnore3, "optAbortRetryIgnore3", PushOption, Frame3, NoTab, "Ignore", "Ignore, in Abort, Retry and Ignore", 3360, 1200, 1575, 375, 25, Clear, On, NoLimit},
    {optYesNoCancel1, "optYesNoCancel1", PushOption, Frame3, NoTab, "Yes", "Yes, in Yes, No and Cancel", 120, 1680, 1575, 375, 26, Clear, On, NoLimit},
    {optYesNoCancel2, "optYesNoCancel2", PushOption, Frame3, NoTab, "No", "No, in Yes, No and Cancel", 1680, 1680, 1695, 375, 27, Clear, On, NoLimit},
    {optYesNoCancel3, "optYesNoCancel3", PushOption, Frame3, NoTab, "Cancel", "Cancel, in Yes, No and Cancel", 3360, 1680, 1575, 375, 28, Clear, On, NoLimit},
    {optYesNo1, "optYesNo1", PushOption, Frame3, NoTab, "Yes", "Yes, in Yes and No", 960, 2160, 1575, 375, 29, Clear, On, NoLimit},
    {optYesNo2, "optYesNo2", PushOption, Frame3, NoTab, "No", "No, in Yes and No", 2520, 2160, 1575, 375, 30, Clear, On, NoLimit},
    {optRetryCancel1, "optRetryCancel1", PushOption, Frame3, NoTab, "Retry", "Retry, in Retry and Cancel", 960, 2640, 1575, 375, 31, Clear, On, NoLimit},
    {optRetryCancel2, "optRetryCancel2", PushOption, Frame3, NoTab, "Cancel", "Cancel, in Retry and Cancel", 2520, 2640, 1575, 375, 32, Clear, On, NoLimit},
    {Label13, "Label13", Label, Frame3, NoTab, "Default Button:", "", 120, 3120, 1065, 195, 33, NoValue, On, NoLimit},
    {lblDefault, "lblDefault", AutoSizeLabel, Frame3, NoTab, "OK", "Default Button:", 1320, 3120, 225, 195, 34, NoValue, On, NoLimit},

    {lblVariable, "lblVariable", Label, fraVar, NoTab, "Variable Name:", "", 240, 240, 1080, 195, 36, NoValue, Off, NoLimit},
    {txtVariable, "txtVariable", TextBox, fraVar, NoTab, "Response", "Variable Name", 240, 600, 4575, 285, 37, NoValue, Off, TextLimit},

    {chkMsgBoxHelpButton, "chkMsgBoxHelpButton", CheckBox, SSTab1, HelpButtonTab, "Include help button", "", 1920, 720, 1695, 375, 38, Clear, On, NoLimit},
    {fraHelp, "fraHelp", Frame, SSTab1, HelpButtonTab, "", "Help button settings", 360, 1320, 4815, 3375, 39, NoValue, On, NoLimit},
    {Frame2, "Frame2", Frame, SSTab1, HelpButtonTab, "", "More tools", 360, 5400, 4815, 1095, 47, NoValue, On, NoLimit},

    // The Help-button settings stay out of reach until the box gets a Help button.
    {lblHelpFile, "lblHelpFile", Label, fraHelp, NoTab, "Help File:", "", 240, 360, 660, 195, 40, NoValue, Off, NoLimit},
    {txtHelpFile, "txtHelpFile", TextBox, fraHelp, NoTab, "", "Help File", 240, 720, 3735, 285, 41, NoValue, Off, NoLimit},
    {cmdBrowse, "cmdBrowse", CommandButton, fraHelp, NoTab, "...", "Browse for a help file", 4200, 720, 375, 255, 42, NoValue, Off, NoLimit},
    {chkAppPathHelpFile, "chkAppPathHelpFile", CheckBox, fraHelp, NoTab, "Use App.Path + Your Help File", "", 240, 1200, 2535, 375, 43, Clear, Off, NoLimit},
    {lblTopicID, "lblTopicID", Label, fraHelp, NoTab, "Topic ID:", "", 240, 1800, 660, 195, 44, NoValue, Off, NoLimit},
    {txtTopicID, "txtTopicID", TextBox, fraHelp, NoTab, "0", "Topic ID", 240, 2160, 3735, 285, 45, NoValue, Off, NoLimit},
    {chkHelpButtonDefault, "chkHelpButtonDefault", CheckBox, fraHelp, NoTab, "Help button is default", "", 240, 2760, 1815, 375, 46, Clear, Off, NoLimit},

    {Label8, "Label8", CentredLabel, Frame2, NoTab, "Find more tools for Visual Basic at", "", 240, 240, 4335, 300, 48, NoValue, On, NoLimit, FontKind::Notice},
    {lblLink, "lblLink", CentredLabel, Frame2, NoTab, "Tarnwick Computer Solutions", "", 240, 600, 4320, 300, 49, NoValue, On, NoLimit, FontKind::UnderlinedNotice, PictureKind::None, PointerKind::Hand, LinkColour},

    {cmdTry, "cmdTry", CommandButton, frmMain, NoTab, "&Try It", "", 240, 7200, 975, 495, 50, NoValue, On, NoLimit},
    {cmdReset, "cmdReset", CommandButton, frmMain, NoTab, "&Reset", "", 1320, 7200, 975, 495, 51, NoValue, On, NoLimit},
    {cmdCopy, "cmdCopy", CommandButton, frmMain, NoTab, "&Copy Code", "", 2400, 7200, 975, 495, 52, NoValue, On, NoLimit},
    {cmdHelp, "cmdHelp", CommandButton, frmMain, NoTab, "&Help", "", 3480, 7200, 975, 495, 53, NoValue, On, NoLimit},
    {cmdExit, "cmdExit", CommandButton, frmMain, NoTab, "&Exit", "", 4560, 7200, 975, 495, 54, NoValue, On, NoLimit},
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
    return kind == TextBox || kind == MultiLineTextBox ? std::optional(MainWindowLayout[next].Id) : std::nullopt;
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case TabControl:
    case TextBox:
    case MultiLineTextBox:
    case CheckBox:
    case OptionButton:
    case PushOption:
    case CommandButton: return true;
    default: return false;
    }
}

} // namespace vellumet
