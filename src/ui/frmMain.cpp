#include "frmMain.h"

#include "CentreOnScreen.h"
#include "ControlEvents.h"
#include "DefaultButton.h"
#include "MultiLineTextBox.h"
#include "OneLineValidator.h"
#include "OptionGroup.h"
#include "Pictures.h"
#include "TabControl.h"
#include "codegen/MessageBoxStyle.h"
#include "platform/Notices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>

#include <limits>

namespace vellumet {

namespace {

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

// The link's colours as the system writes them, 0x00BBGGRR.
constexpr unsigned LinkColour = 0xFF0000;  // blue
constexpr unsigned HoverColour = 0x0000FF; // red

void SetForeColor(QWidget* control, unsigned colour)
{
    auto channel = [colour](int shift) { return static_cast<int>((colour >> shift) & 0xFF); };
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor(channel(0), channel(8), channel(16)));
    control->setPalette(palette);
}

// Positions and sizes are laid out in twips, 15 to the pixel at 96 dpi; Qt
// scales the pixels on screens of other densities.
constexpr int Pixels(int twips) { return twips / 15; }

QRect Twips(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

// The longest text a title, body or variable name may have.
constexpr int TextLimit = 1024;
// Help files and topics are not limited; QLineEdit would stop at 32767.
constexpr int NoLimit = std::numeric_limits<int>::max();

template <class Widget>
Widget* Named(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* Label(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = Named(new QLabel(QString::fromUtf8(caption), parent), name, geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLineEdit* TextBox(QWidget* parent, const char* name, const QRect& geometry, int maxLength)
{
    auto* textBox = Named(new QLineEdit(parent), name, geometry);
    textBox->setMaxLength(maxLength);
    textBox->setValidator(new OneLineValidator(textBox));
    return textBox;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    return Named(new QCheckBox(QString::fromUtf8(caption), parent), name, geometry);
}

// An option drawn as a push button that stays pressed while selected. The
// options of one container form one group, so a second click leaves it pressed.
QPushButton* PushOption(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* option = Named(new QPushButton(caption, parent), name, geometry);
    option->setCheckable(true);
    option->setAutoExclusive(true);
    return option;
}

// A frame with no caption, drawn as an etched line with nothing filled in, so
// that it stands on the window's own colour.
QFrame* BorderedFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = Named(new QFrame(parent), name, geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

QFrame* PlainFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = Named(new QFrame(parent), name, geometry);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QPushButton* CommandButton(QWidget* parent, const char* name, const char* caption, int left)
{
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name, Twips(left, 7200, 975, 495));
    // Enter presses the focused command button, as Space does.
    button->setAutoDefault(true);
    return button;
}

// A compact sans-serif face whose metrics the layout was made for. The layout
// is in pixels, and so is the size of its text.
QFont DialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(10);
    return font;
}

QFont NoticeFont(bool underlined)
{
    QFont font = DialogFont();
    font.setPointSize(12);
    font.setUnderline(underlined);
    return font;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// An option stands for one button of its set and carries that button's caption.
QString CaptionOf(ButtonChoice choice)
{
    const std::string_view caption = AnswerCaption(ButtonSetOf(choice).Buttons.at(DefaultPositionOf(choice) - 1));
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

} // namespace

struct frmMain::ButtonOptionPlace {
    QPushButton* frmMain::*member;
    const char* name;
    ButtonChoice choice;
    void (frmMain::*click)();
    int left, top, width;
};

// One row per message-box button set, centred in the frame as a message box centres its buttons.
// The tables keep a line a control, however long.
// clang-format off
const frmMain::ButtonOptionPlace frmMain::ButtonOptions[] = {
    {&frmMain::optOKOnly, "optOKOnly", ButtonChoice::OKOnly, &frmMain::optOKOnly_Click, 1680, 240, 1695},
    {&frmMain::optOKCancel1, "optOKCancel1", ButtonChoice::OKCancel1, &frmMain::optOKCancel1_Click, 960, 720, 1575},
    {&frmMain::optOKCancel2, "optOKCancel2", ButtonChoice::OKCancel2, &frmMain::optOKCancel2_Click, 2520, 720, 1575},
    {&frmMain::optAbortRetryIgnore1, "optAbortRetryIgnore1", ButtonChoice::AbortRetryIgnore1, &frmMain::optAbortRetryIgnore1_Click, 120, 1200, 1575},
    {&frmMain::optAbortRetryIgnore2, "optAbortRetryIgnore2", ButtonChoice::AbortRetryIgnore2, &frmMain::optAbortRetryIgnore2_Click, 1680, 1200, 1695},
    {&frmMain::optAbortRetryIgnore3, "optAbortRetryIgnore3", ButtonChoice::AbortRetryIgnore3, &frmMain::optAbortRetryIgnore3_Click, 3360, 1200, 1575},
    {&frmMain::optYesNoCancel1, "optYesNoCancel1", ButtonChoice::YesNoCancel1, &frmMain::optYesNoCancel1_Click, 120, 1680, 1575},
    {&frmMain::optYesNoCancel2, "optYesNoCancel2", ButtonChoice::YesNoCancel2, &frmMain::optYesNoCancel2_Click, 1680, 1680, 1695},
    {&frmMain::optYesNoCancel3, "optYesNoCancel3", ButtonChoice::YesNoCancel3, &frmMain::optYesNoCancel3_Click, 3360, 1680, 1575},
    {&frmMain::optYesNo1, "optYesNo1", ButtonChoice::YesNo1, &frmMain::optYesNo1_Click, 960, 2160, 1575},
    {&frmMain::optYesNo2, "optYesNo2", ButtonChoice::YesNo2, &frmMain::optYesNo2_Click, 2520, 2160, 1575},
    {&frmMain::optRetryCancel1, "optRetryCancel1", ButtonChoice::RetryCancel1, &frmMain::optRetryCancel1_Click, 960, 2640, 1575},
    {&frmMain::optRetryCancel2, "optRetryCancel2", ButtonChoice::RetryCancel2, &frmMain::optRetryCancel2_Click, 2520, 2640, 1575},
};
// clang-format on

struct frmMain::IconOptionPlace {
    QLabel* frmMain::*label;
    const char* labelName;
    const char* caption;
    QPushButton* frmMain::*member;
    const char* name;
    IconChoice choice;
    int left;
};

// clang-format off
const frmMain::IconOptionPlace frmMain::IconOptions[] = {
    {&frmMain::Label3, "Label3", "No Icon", &frmMain::optNoIcon, "optNoIcon", IconChoice::NoIcon, 120},
    {&frmMain::Label4, "Label4", "Critical", &frmMain::optCritical, "optCritical", IconChoice::Critical, 1080},
    {&frmMain::Label5, "Label5", "Question", &frmMain::optQuestion, "optQuestion", IconChoice::Question, 2040},
    {&frmMain::Label6, "Label6", "Exclamation", &frmMain::optExclamation, "optExclamation", IconChoice::Exclamation, 3000},
    {&frmMain::Label7, "Label7", "Information", &frmMain::optInformation, "optInformation", IconChoice::Information, 4080},
};
// clang-format on

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , platform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vellumet - Tarnwick Solutions"));
    setWindowIcon(pictures::ApplicationIcon());
    setFont(DialogFont());
    setFixedSize(Twips(0, 0, 5835, 7905).size());

    SSTab1 = Named(new TabControl(this), "SSTab1", Twips(120, 120, 5535, 6855));
    QWidget* about = SSTab1->addTab(QStringLiteral("About..."));
    BuildGeneralTab(SSTab1->addTab(QStringLiteral("General")));
    BuildStyleTab(SSTab1->addTab(QStringLiteral("Style")));
    BuildHelpButtonTab(SSTab1->addTab(QStringLiteral("Help Button")));

    Image2 = Named(new QLabel(about), "Image2", Twips(120, 480, 5295, 6270));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop); // its picture comes when the window first shows

    BuildCommandButtons();
    SetTabOrder();
    ConnectHandlers();
    SSTab1->setFocus(); // the first tab is current since it was added

    Form_Load();
}

void frmMain::BuildGeneralTab(QWidget* tab)
{
    Label1 = Label(tab, "Label1", "Title:", Twips(360, 720, 345, 195));
    txtTitle = TextBox(tab, "txtTitle", Twips(360, 1080, 4815, 285), TextLimit);
    Label2 = Label(tab, "Label2", "Body Message:", Twips(360, 1800, 1095, 195));
    txtBody = Named(new MultiLineTextBox(tab), "txtBody", Twips(360, 2160, 4815, 2475));
    txtBody->setMaxLength(TextLimit);
    chkSystemModal = CheckBox(tab, "chkSystemModal", "Make the MsgBox system-modal", Twips(360, 5040, 2655, 375));
    optText = Named(new QRadioButton(QStringLiteral("Copy code as text"), tab), "optText", Twips(360, 5760, 1695, 375));
    optValue =
        Named(new QRadioButton(QStringLiteral("Copy code as value"), tab), "optValue", Twips(360, 6120, 1815, 375));
    optText->setChecked(true);
}

void frmMain::BuildStyleTab(QWidget* tab)
{
    Frame1 = PlainFrame(tab, "Frame1", Twips(240, 360, 5055, 1575));
    for (const IconOptionPlace& place : IconOptions) {
        this->*place.label =
            Label(Frame1, place.labelName, place.caption, Twips(place.left, 240, 840, 195), Qt::AlignHCenter);
        QPushButton* option = PushOption(Frame1, place.name, QString(), Twips(place.left, 600, 855, 855));
        option->setIcon(pictures::IconPicture(place.choice));
        option->setIconSize({32, 32});
        this->*place.member = option;
    }
    optNoIcon->setChecked(true);

    Frame3 = PlainFrame(tab, "Frame3", Twips(240, 2040, 5055, 3375));
    for (const ButtonOptionPlace& place : ButtonOptions)
        this->*place.member =
            PushOption(Frame3, place.name, CaptionOf(place.choice), Twips(place.left, place.top, place.width, 375));
    optOKOnly->setChecked(true);
    Label13 = Label(Frame3, "Label13", "Default Button:", Twips(120, 3120, 1065, 195));
    lblDefault = Label(Frame3, "lblDefault", "OK", Twips(1320, 3120, 225, 195));

    fraVar = BorderedFrame(tab, "fraVar", Twips(240, 5520, 5055, 1095));
    lblVariable = Label(fraVar, "lblVariable", "Variable Name:", Twips(240, 240, 1080, 195));
    txtVariable = TextBox(fraVar, "txtVariable", Twips(240, 600, 4575, 285), TextLimit);
    txtVariable->setText(QStringLiteral("Response"));
    lblVariable->setEnabled(false);
    txtVariable->setEnabled(false);
}

void frmMain::BuildHelpButtonTab(QWidget* tab)
{
    chkMsgBoxHelpButton = CheckBox(tab, "chkMsgBoxHelpButton", "Include help button", Twips(1920, 720, 1695, 375));

    fraHelp = BorderedFrame(tab, "fraHelp", Twips(360, 1320, 4815, 3375));
    lblHelpFile = Label(fraHelp, "lblHelpFile", "Help File:", Twips(240, 360, 660, 195));
    txtHelpFile = TextBox(fraHelp, "txtHelpFile", Twips(240, 720, 3735, 285), NoLimit);
    cmdBrowse = Named(new QPushButton(QStringLiteral("..."), fraHelp), "cmdBrowse", Twips(4200, 720, 375, 255));
    chkAppPathHelpFile =
        CheckBox(fraHelp, "chkAppPathHelpFile", "Use App.Path + Your Help File", Twips(240, 1200, 2535, 375));
    lblTopicID = Label(fraHelp, "lblTopicID", "Topic ID:", Twips(240, 1800, 660, 195));
    txtTopicID = TextBox(fraHelp, "txtTopicID", Twips(240, 2160, 3735, 285), NoLimit);
    txtTopicID->setText(QStringLiteral("0"));
    chkHelpButtonDefault =
        CheckBox(fraHelp, "chkHelpButtonDefault", "Help button is default", Twips(240, 2760, 1815, 375));
    // The help-file settings stay out of reach until the box gets a Help button.
    for (QWidget* detail : fraHelp->findChildren<QWidget*>())
        detail->setEnabled(false);

    Frame2 = BorderedFrame(tab, "Frame2", Twips(360, 5400, 4815, 1095));
    Label8 =
        Label(Frame2, "Label8", "Find more tools for Visual Basic at", Twips(240, 240, 4335, 300), Qt::AlignHCenter);
    Label8->setFont(NoticeFont(false));
    lblLink = Label(Frame2, "lblLink", "Tarnwick Computer Solutions", Twips(240, 600, 4320, 300), Qt::AlignHCenter);
    lblLink->setFont(NoticeFont(true));
    SetForeColor(lblLink, LinkColour);
    lblLink->setCursor(pictures::HandPointer());
}

void frmMain::BuildCommandButtons()
{
    cmdTry = CommandButton(this, "cmdTry", "&Try It", 240);
    cmdReset = CommandButton(this, "cmdReset", "&Reset", 1320);
    cmdCopy = CommandButton(this, "cmdCopy", "&Copy Code", 2400);
    cmdHelp = CommandButton(this, "cmdHelp", "&Help", 3480);
    cmdExit = CommandButton(this, "cmdExit", "&Exit", 4560);
    // Esc presses Reset; Enter is left to the fields, so that it breaks lines in the body.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdReset, &QPushButton::click);
}

// The options of each container form one group and take one tab stop, at the selected option.
void frmMain::SetTabOrder()
{
    QList<QAbstractButton*> icons;
    for (const IconOptionPlace& place : IconOptions)
        icons << this->*place.member;
    QList<QAbstractButton*> buttonSets;
    for (const ButtonOptionPlace& place : ButtonOptions)
        buttonSets << this->*place.member;

    QList<QWidget*> order{SSTab1->strip(), txtTitle, txtBody, chkSystemModal, optText, optValue};
    for (QAbstractButton* option : icons + buttonSets)
        order << option;
    order << txtVariable << chkMsgBoxHelpButton << txtHelpFile << cmdBrowse << chkAppPathHelpFile << txtTopicID
          << chkHelpButtonDefault << cmdTry << cmdReset << cmdCopy << cmdHelp << cmdExit;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    new OptionGroup({optText, optValue});
    new OptionGroup(icons);
    new OptionGroup(buttonSets);
}

void frmMain::ConnectHandlers()
{
    using events::Calling;
    for (const ButtonOptionPlace& place : ButtonOptions)
        events::OnClick(this->*place.member, Calling(this, place.click));
    events::OnClick(chkHelpButtonDefault, Calling(this, &frmMain::chkHelpButtonDefault_Click));
    events::OnClick(chkMsgBoxHelpButton, Calling(this, &frmMain::chkMsgBoxHelpButton_Click));
    connect(cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);

    connect(cmdTry, &QPushButton::clicked, this, &frmMain::cmdTry_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::cmdCopy_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    events::OnLabelClick(lblLink, Calling(this, &frmMain::lblLink_Click));

    events::OnGotFocus(txtTitle, Calling(this, &frmMain::txtTitle_GotFocus));
    events::OnGotFocus(txtBody, Calling(this, &frmMain::txtBody_GotFocus));
    events::OnGotFocus(txtVariable, Calling(this, &frmMain::txtVariable_GotFocus));
    events::OnGotFocus(txtHelpFile, Calling(this, &frmMain::txtHelpFile_GotFocus));
    events::OnGotFocus(txtTopicID, Calling(this, &frmMain::txtTopicID_GotFocus));

    events::OnMouseMove(lblLink, Calling(this, &frmMain::lblLink_MouseMove));
    events::OnMouseMove(Frame2, Calling(this, &frmMain::Frame2_MouseMove));
    QList<QWidget*> tabSurface{SSTab1->strip()};
    for (int tab = 0; tab < SSTab1->count(); ++tab)
        tabSurface << SSTab1->page(tab);
    events::OnMouseMove(SSTab1, Calling(this, &frmMain::SSTab1_MouseMove), tabSurface);
    events::OnMouseMove(this, Calling(this, &frmMain::Form_MouseMove));
}

void frmMain::Form_Load() { DefaultButtonCaption = QStringLiteral("OK"); }

void frmMain::closeEvent(QCloseEvent* event)
{
    int Cancel = 0;
    Form_Unload(Cancel);
    event->setAccepted(Cancel == 0);
}

void frmMain::Form_Unload(int& Cancel)
{
    if (platform.ShowMessageBox({"Are you sure you want to exit?", ExitQuestionStyle, ProgramTitle, std::nullopt}) ==
        static_cast<int>(Answer::No))
        Cancel = 1;
    else
        platform.EndProcess();
}

void frmMain::optOKOnly_Click() { ButtonOption_Click(ButtonChoice::OKOnly); }
void frmMain::optOKCancel1_Click() { ButtonOption_Click(ButtonChoice::OKCancel1); }
void frmMain::optOKCancel2_Click() { ButtonOption_Click(ButtonChoice::OKCancel2); }
void frmMain::optAbortRetryIgnore1_Click() { ButtonOption_Click(ButtonChoice::AbortRetryIgnore1); }
void frmMain::optAbortRetryIgnore2_Click() { ButtonOption_Click(ButtonChoice::AbortRetryIgnore2); }
void frmMain::optAbortRetryIgnore3_Click() { ButtonOption_Click(ButtonChoice::AbortRetryIgnore3); }
void frmMain::optYesNoCancel1_Click() { ButtonOption_Click(ButtonChoice::YesNoCancel1); }
void frmMain::optYesNoCancel2_Click() { ButtonOption_Click(ButtonChoice::YesNoCancel2); }
void frmMain::optYesNoCancel3_Click() { ButtonOption_Click(ButtonChoice::YesNoCancel3); }
void frmMain::optYesNo1_Click() { ButtonOption_Click(ButtonChoice::YesNo1); }
void frmMain::optYesNo2_Click() { ButtonOption_Click(ButtonChoice::YesNo2); }
void frmMain::optRetryCancel1_Click() { ButtonOption_Click(ButtonChoice::RetryCancel1); }
void frmMain::optRetryCancel2_Click() { ButtonOption_Click(ButtonChoice::RetryCancel2); }

// The option names the default button; only a set of more than one button has an answer to keep.
void frmMain::ButtonOption_Click(ButtonChoice choice)
{
    DefaultButtonCaption = CaptionOf(choice);
    UpdateDefaultLabel();
    const bool okOnly = optOKOnly->isChecked();
    if (okOnly)
        txtVariable->setText(QStringLiteral("Response"));
    txtVariable->setEnabled(!okOnly);
    lblVariable->setEnabled(!okOnly);
}

void frmMain::chkHelpButtonDefault_Click() { UpdateDefaultLabel(); }

void frmMain::UpdateDefaultLabel()
{
    lblDefault->setText(chkHelpButtonDefault->isChecked() ? QStringLiteral("Help") : DefaultButtonCaption);
    lblDefault->adjustSize();
}

void frmMain::chkMsgBoxHelpButton_Click()
{
    if (chkMsgBoxHelpButton->isChecked()) {
        for (QWidget* detail : std::initializer_list<QWidget*>{lblHelpFile, txtHelpFile, chkAppPathHelpFile, lblTopicID,
                                                               txtTopicID, cmdBrowse, chkHelpButtonDefault})
            detail->setEnabled(true);
        return;
    }
    // Without a Help button its settings go back to their start values, out of reach.
    chkHelpButtonDefault->setChecked(false);
    chkHelpButtonDefault->setEnabled(false);
    lblHelpFile->setEnabled(false);
    txtHelpFile->clear();
    txtHelpFile->setEnabled(false);
    chkAppPathHelpFile->setChecked(false);
    chkAppPathHelpFile->setEnabled(false);
    lblTopicID->setEnabled(false);
    txtTopicID->setText(QStringLiteral("0"));
    txtTopicID->setEnabled(false);
    cmdBrowse->setEnabled(false);
}

void frmMain::cmdBrowse_Click()
{
    const FileOpenRequest request{
        "Select help file",
        {{"Windows Help Files", "*.hlp"}, {"Compiled HTML Help Files", "*.chm"}, {"All Files", "*.*"}}};
    if (const auto chosen = platform.ChooseFileToOpen(Handle(), request))
        txtHelpFile->setText(QString::fromStdString(*chosen));
}

void frmMain::cmdTry_Click() { Generate(GenerateMode::Try); }

void frmMain::cmdCopy_Click() { Generate(GenerateMode::Copy); }

void frmMain::Generate(GenerateMode mode)
{
    if (const auto failure = GenerateCode(mode, Snapshot(), platform))
        Refuse(*failure);
}

// Tells what stands in the way and takes the user to the field that can mend it.
void frmMain::Refuse(GenerateFailure failure)
{
    platform.ShowMessageBox({std::string(FailureMessage(failure)), WarningStyle, ProgramTitle, std::nullopt});
    switch (failure) {
    case GenerateFailure::BlankBody: return ShowField(GeneralTab, txtBody);
    case GenerateFailure::MissingVariableName: return ShowField(StyleTab, txtVariable);
    case GenerateFailure::TopicNotConvertible: return ShowField(HelpButtonTab, txtTopicID);
    case GenerateFailure::ClipboardRefused: return;
    }
}

void frmMain::ShowField(int tab, QWidget* field)
{
    SSTab1->setCurrentIndex(tab);
    field->setFocus();
}

void frmMain::cmdReset_Click()
{
    txtTitle->clear();
    txtBody->setText(QString());
    chkSystemModal->setChecked(false);
    optText->setChecked(true);
    optNoIcon->setChecked(true);
    optOKOnly->setChecked(true);
    txtVariable->setText(QStringLiteral("Response"));
    txtVariable->setEnabled(false);
    lblVariable->setEnabled(false);
    chkMsgBoxHelpButton->setChecked(false);
    chkHelpButtonDefault->setChecked(false);
    chkHelpButtonDefault->setEnabled(false);
    DefaultButtonCaption = QStringLiteral("OK");
    UpdateDefaultLabel();
    SSTab1->setCurrentIndex(AboutTab);
    txtTitle->setFocus();
}

// A help file that is there but that nothing can open gets a notice of its
// own: the one that says the file is missing would send the user looking for it.
void frmMain::cmdHelp_Click()
{
    const std::string path = JoinPath(platform.ApplicationPath(), HelpFileName);
    switch (platform.ShellOpen(Handle(), path)) {
    case OpenResult::Opened: break;
    case OpenResult::NotFound:
        platform.ShowMessageBox({NoHelpFileMessage, InformationStyle, ProgramTitle, std::nullopt});
        break;
    case OpenResult::NoViewer: platform.ShowMessageBox(NoViewerNotice(path)); break;
    }
}

void frmMain::cmdExit_Click() { close(); }

void frmMain::lblLink_Click() { platform.ShellOpen(Handle(), MakersPage); }

void frmMain::txtTitle_GotFocus() { txtTitle->selectAll(); }
void frmMain::txtBody_GotFocus() { txtBody->selectAll(); }
void frmMain::txtVariable_GotFocus() { txtVariable->selectAll(); }
void frmMain::txtHelpFile_GotFocus() { txtHelpFile->selectAll(); }
void frmMain::txtTopicID_GotFocus() { txtTopicID->selectAll(); }

void frmMain::lblLink_MouseMove() { SetForeColor(lblLink, HoverColour); }
void frmMain::Frame2_MouseMove() { SetForeColor(lblLink, LinkColour); }
void frmMain::SSTab1_MouseMove() { SetForeColor(lblLink, LinkColour); }
void frmMain::Form_MouseMove() { SetForeColor(lblLink, LinkColour); }

WindowHandle frmMain::Handle() { return static_cast<WindowHandle>(winId()); }

MessageBoxOptions frmMain::Snapshot() const
{
    MessageBoxOptions options;
    for (const ButtonOptionPlace& place : ButtonOptions)
        if ((this->*place.member)->isChecked())
            options.ButtonOption = place.choice;
    for (const IconOptionPlace& place : IconOptions)
        if ((this->*place.member)->isChecked())
            options.Icon = place.choice;
    options.HelpButtonIsDefault = chkHelpButtonDefault->isChecked();
    options.IncludeHelpButton = chkMsgBoxHelpButton->isChecked();
    options.SystemModal = chkSystemModal->isChecked();
    options.CopyAsValue = optValue->isChecked();
    options.TitleText = Utf8(txtTitle->text());
    options.BodyText = Utf8(txtBody->text());
    options.VariableText = Utf8(txtVariable->text());
    options.HelpFileText = Utf8(txtHelpFile->text());
    options.UseAppPath = chkAppPathHelpFile->isChecked();
    options.TopicIDText = Utf8(txtTopicID->text());
    return options;
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!placed) {
        placed = true;
        CentreOnScreen(*this);
        // Decoding the largest picture here rather than on loading keeps it
        // from holding up the splash window; nobody sees it before now.
        Image2->setPixmap(pictures::AboutPicture());
    }
    QWidget::showEvent(event);
}

} // namespace vellumet
