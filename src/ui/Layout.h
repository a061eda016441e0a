// The controls of the main window and its layout table: where each control stands, what it shows and holds
// at start, and how assistive technology and the option groups see it.
#pragma once

#include "codegen/MessageBoxOptions.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vellumet {

// Every control of the main window, the window itself first, in the order of
// the layout table: a container always comes before what it holds.
enum class Control {
    frmMain,
    SSTab1,
    Image2,
    Label1,
    txtTitle,
    Label2,
    txtBody,
    chkSystemModal,
    optText,
    optValue,
    lblLanguage,
    cboLanguage,
    Frame1,
    Frame3,
    fraVar,
    Label3,
    optNoIcon,
    Label4,
    optCritical,
    Label5,
    optQuestion,
    Label6,
    optExclamation,
    Label7,
    optInformation,
    optOKOnly,
    optOKCancel1,
    optOKCancel2,
    optAbortRetryIgnore1,
    optAbortRetryIgnore2,
    optAbortRetryIgnore3,
    optYesNoCancel1,
    optYesNoCancel2,
    optYesNoCancel3,
    optYesNo1,
    optYesNo2,
    optRetryCancel1,
    optRetryCancel2,
    Label13,
    lblDefault,
    lblVariable,
    txtVariable,
    chkMsgBoxHelpButton,
    fraHelp,
    Frame2,
    lblHelpFile,
    txtHelpFile,
    cmdBrowse,
    chkAppPathHelpFile,
    lblTopicID,
    txtTopicID,
    chkHelpButtonDefault,
    Label8,
    lblLink,
    cmdTry,
    cmdReset,
    cmdCopy,
    cmdHelp,
    cmdExit,
};

inline constexpr std::size_t ControlCount = static_cast<std::size_t>(Control::cmdExit) + 1;

enum class ControlKind {
    Window,
    TabControl,
    Picture,
    Label,
    CentredLabel,
    AutoSizeLabel, // keeps its place and takes the size of its caption
    TextBox,
    MultiLineTextBox,
    DropDownList, // a list that shows its chosen item and opens to choose another
    CheckBox,
    OptionButton,
    PushOption, // an option drawn as a push button that stays pressed while selected
    CommandButton,
    Frame,           // no caption, with the ordinary border
    BorderlessFrame, // no caption and no border: it only groups its options
};

enum class FontKind { Dialog, Notice, UnderlinedNotice };

enum class PictureKind { None, About, Critical, Question, Exclamation, Information };

enum class PointerKind { Arrow, Hand };

// Colours are 0x00BBGGRR. A value with the top bit set names a system colour
// instead, as Visual Basic writes them; this one is the system's text colour.
inline constexpr unsigned SystemTextColour = 0x80000012;
inline constexpr unsigned LinkColour = 0xFF0000;  // pure blue
inline constexpr unsigned HoverColour = 0x0000FF; // pure red

// A length limit that no text reaches.
inline constexpr std::size_t NoLimit = 0;
inline constexpr int NoTab = -1;
inline constexpr int NoTabIndex = -1;

// The copy mode an option chooses: the style in the code as constants or as a number.
enum class CopyMode { AsText, AsValue };

// What a button option chooses: a set of buttons, by its style value
// (vbOKOnly 0 to vbRetryCancel 5), and the place in the set of the button
// that is default unless Help is, counted from 1.
struct ButtonPlace {
    int Set;
    int DefaultPosition;

    bool operator==(const ButtonPlace&) const = default;
};

// What choosing an option sets: each option group stands for one choice of
// the message box, and each of its options for one value of that choice.
// Controls that are no options mean nothing.
using OptionMeaning = std::variant<std::monostate, CopyMode, IconChoice, ButtonPlace>;

// One row of the layout: positions and sizes in twips, relative to the
// container (for a control on a tab, the whole tab control, strip included).
struct ControlLayout {
    Control Id;
    std::string_view Name;
    ControlKind Kind;
    Control Container;
    int Tab; // the page of SSTab1 that holds the control, or NoTab
    std::string_view Caption;
    // What assistive technology speaks for the control; empty when its
    // caption says it already.
    std::string_view AccessibleName;
    int Left, Top, Width, Height;
    int TabIndex;
    int Value; // check box 0 or 1; option 1 when selected; list the place of its chosen item
    OptionMeaning Means;
    bool Enabled;
    std::size_t MaxLength; // characters, for text fields
    FontKind Font = FontKind::Dialog;
    PictureKind Picture = PictureKind::None;
    PointerKind Pointer = PointerKind::Arrow;
    unsigned ForeColor = SystemTextColour;
};

enum Tab { AboutTab, GeneralTab, StyleTab, HelpButtonTab };
inline constexpr std::array<std::string_view, 4> TabCaptions{"About...", "General", "Style", "Help Button"};

// The longest title, body or variable name.
inline constexpr std::size_t TextLimit = 1024;

extern const std::array<ControlLayout, ControlCount> MainWindowLayout;

inline const ControlLayout& LayoutOf(Control control) { return MainWindowLayout[static_cast<std::size_t>(control)]; }

// Twips at the standard 96 dpi: 15 to the pixel.
constexpr int PixelsOf(int twips) { return twips / 15; }

// The tab that holds the control, through its containers; NoTab outside the tab control.
int TabOf(Control control);

// What a control is, as assistive technology tells it to the user.
enum class AccessibleRole {
    Window,
    PageTabList,
    Graphic,
    StaticText,
    Text,
    ComboBox,
    CheckBox,
    RadioButton,
    Grouping,
    PushButton,
    Link
};

AccessibleRole RoleOf(Control control);

// The name assistive technology speaks for the control while it shows the
// caption given: its own name from the layout, or else the caption without
// its mnemonic marker. The default button's label is spoken with its caption.
std::string AccessibleNameOf(Control control, std::string_view caption);

// The field a label names, a text field or a list: the field right after it
// in the table, so that it also follows the label among the windows, where
// the system looks for a field's name.
std::optional<Control> FieldLabelledBy(Control label);

// The items a drop-down list offers, in their order; its value is the place
// of the chosen one. The language list offers the captions of the languages.
std::vector<std::string_view> ItemsOf(Control list);

// Whether the control can hold the keyboard focus at all.
bool TakesFocus(ControlKind kind);

// An option: one of a group of which exactly one is selected.
bool IsOption(Control control);
// A field the user types into.
bool IsTextField(Control control);
// A frame, which holds controls of its own.
bool IsContainer(Control control);

// The options one container holds form a group, which goes by the container:
// the groups in the order of the table, the group of an option, and the
// options of a group in their tab order.
std::vector<Control> OptionGroups();
Control GroupOf(Control option);
std::vector<Control> OptionsOf(Control group);
// The option that means this value of its group's choice.
Control OptionFor(const OptionMeaning& meaning);

} // namespace vellumet
