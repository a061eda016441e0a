// The Qt main window: its widgets built from the layout table, what the user does to them passed to frmMain as
// its events, and what frmMain sets shown on them. Also the window's keys, dropped text and place on the screen.
#include "MainWindow.h"

#include "Accessibility.h"
#include "CentreOnScreen.h"
#include "ControlEvents.h"
#include "MultiLineTextBox.h"
#include "OneLineValidator.h"
#include "OptionGroup.h"
#include "Pictures.h"
#include "TabControl.h"
#include "ui/Keyboard.h"
#include "ui/LinkColours.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>

#include <limits>
#include <optional>

namespace vellumet {

namespace {

QString QtText(const std::string& text) { return QString::fromStdString(text); }

QRect Pixels(const ControlLayout& row)
{
    return {PixelsOf(row.Left), PixelsOf(row.Top), PixelsOf(row.Width), PixelsOf(row.Height)};
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

QFont FontOf(FontKind kind)
{
    QFont font = DialogFont();
    if (kind != FontKind::Dialog) {
        font.setPointSize(12);
        font.setUnderline(kind == FontKind::UnderlinedNotice);
    }
    return font;
}

unsigned ColourOf(const QColor& colour)
{
    return static_cast<unsigned>(colour.red()) | static_cast<unsigned>(colour.green()) << 8 |
           static_cast<unsigned>(colour.blue()) << 16;
}

// Qt has no high-contrast flag: a desktop palette that names its own link
// colour, as a high-contrast one does, has the link painted in it.
TextGround GroundOf(const QPalette& palette)
{
    const unsigned link = ColourOf(palette.color(QPalette::Link));
    return {ColourOf(palette.color(QPalette::Window)), link != LinkColour ? std::optional(link) : std::nullopt};
}

// A colour of the form is painted in a shade that reads well on the window.
void SetForeColor(QWidget* control, unsigned colour)
{
    const QPalette desktop = QApplication::palette(control);
    QPalette palette = control->palette();
    if (colour == SystemTextColour) {
        palette.setColor(QPalette::WindowText, desktop.color(QPalette::WindowText));
    } else {
        const unsigned shown = ShownTextColour(colour, GroundOf(desktop));
        auto channel = [shown](int shift) { return static_cast<int>((shown >> shift) & 0xFF); };
        palette.setColor(QPalette::WindowText, QColor(channel(0), channel(8), channel(16)));
    }
    control->setPalette(palette);
}

// Where the widget's text reaches `characters` characters of frmMain's text.
// Qt counts a character beyond 16 bits as two units, and a multi-line field
// holds each CR LF as one line break.
int WidgetPosition(const QString& units, std::size_t characters, bool crLfIsOne)
{
    int position = 0;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const bool lowHalf = i > 0 && units[i].isLowSurrogate() && units[i - 1].isHighSurrogate();
        const bool breakEnd = crLfIsOne && i > 0 && units[i] == u'\n' && units[i - 1] == u'\r';
        if (!lowHalf) {
            if (characters == 0)
                break;
            --characters;
        }
        if (!breakEnd)
            ++position;
    }
    return position;
}

Qt::Key QtKey(Key key)
{
    switch (key) {
    case Key::Tab: return Qt::Key_Tab;
    case Key::PageUp: return Qt::Key_PageUp;
    case Key::PageDown: return Qt::Key_PageDown;
    case Key::V: return Qt::Key_V;
    case Key::Z: return Qt::Key_Z;
    }
    return Qt::Key_unknown;
}

// The chord of WindowKeys the key event presses: its key with just its
// modifiers held. Shift+Tab comes as Backtab.
const KeyChord* ChordOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key() == Qt::Key_Backtab ? Qt::Key_Tab : event.key();
    for (const KeyChord& chord : WindowKeys) {
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ControlModifier, (chord.Modifiers & ControlHeld) != 0);
        modifiers.setFlag(Qt::ShiftModifier, (chord.Modifiers & ShiftHeld) != 0);
        if (key == QtKey(chord.Pressed) && held == modifiers)
            return &chord;
    }
    return nullptr;
}

QWidget* Named(QWidget* widget, const ControlLayout& row)
{
    widget->setObjectName(QLatin1String(row.Name.data(), qsizetype(row.Name.size())));
    widget->setGeometry(Pixels(row));
    return widget;
}

// Each field is read out with the label above it. A label that marks an Alt
// letter shows it underlined, and the letter puts the focus on the field while
// the label shows.
void LabelFields(const QtMainWindow& window)
{
    for (const ControlLayout& row : MainWindowLayout)
        if (const auto field = FieldLabelledBy(row.Id))
            static_cast<QLabel*>(window.Widget(row.Id))->setBuddy(window.Widget(*field));
}

} // namespace

// The frame offers minimise and close, as the window's frame on Windows does.
// Without CustomizeWindowHint Qt would hand X11 its default frame, maximise included.
QtMainWindow::QtMainWindow(Platform& platform, ControlsBuilt controls)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , form(platform, *this)
{
    BuildWindow(LayoutOf(Control::frmMain));
    if (controls == ControlsBuilt::Now)
        BuildControls();
}

void QtMainWindow::BuildWindow(const ControlLayout& row)
{
    widgets[static_cast<std::size_t>(row.Id)] = this;
    setObjectName(QLatin1String(row.Name.data(), qsizetype(row.Name.size())));
    setWindowTitle(QtText(form.State(row.Id).Text));
    setWindowIcon(pictures::ApplicationIcon());
    setFont(DialogFont());
    setFixedSize(PixelsOf(row.Width), PixelsOf(row.Height));
    accessibility::Describe(this, row.Id, form.State(row.Id).Text);
    Connect(row);
    BindWindowKeys();
    // Text dropped anywhere but on a text field, which takes it itself, is read as a call.
    setAcceptDrops(true);
}

void QtMainWindow::BuildControls()
{
    if (tabs)
        return;
    for (const ControlLayout& row : MainWindowLayout)
        if (row.Kind != ControlKind::Window) {
            widgets[static_cast<std::size_t>(row.Id)] = Build(row);
            Connect(row);
        }
    SetTabOrder();
    LabelFields(*this);
    BindLabelKeys();
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(this);
    tabs->setFocus();
}

// The window's own keys act wherever the focus is: Esc, and the chords of
// WindowKeys, which eventFilter hears. The command buttons' Alt letters come
// with their captions, and Enter with each button (EnterPresses).
void QtMainWindow::BindWindowKeys()
{
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [this] { static_cast<QAbstractButton*>(Widget(EscapePresses))->click(); });
    installEventFilter(this);
}

// A chord frmMain takes now comes before the focused widget's own use of the
// key and before any shortcut: claimed when Qt asks who overrides shortcuts,
// it arrives as a key press, which goes no further. While frmMain does not
// take Ctrl+Z, a text field has it for its typing.
bool QtMainWindow::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const KeyChord* chord = ChordOf(*static_cast<QKeyEvent*>(event));
    if (!chord || !form.Takes(chord->Does))
        return false;
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    else
        form.KeyPressed(chord->Does);
    return true;
}

// A label's Alt letter reaches its own shortcut only while the label shows. On
// each other tab a shortcut of the page, which shows just while its tab does,
// takes the letter to frmMain, which shows the label's tab first.
void QtMainWindow::BindLabelKeys()
{
    for (const LabelKey& key : LabelKeys())
        for (int tab = 0; tab < tabs->count(); ++tab)
            if (tab != TabOf(key.Label))
                connect(new QShortcut(QKeyCombination(Qt::AltModifier, Qt::Key(key.Letter)), tabs->page(tab)),
                        &QShortcut::activated, this, [this, label = key.Label] { form.LabelKeyPressed(label); });
}

QWidget* QtMainWindow::ParentOf(const ControlLayout& row) const
{
    return row.Tab != NoTab ? tabs->page(row.Tab) : Widget(row.Container);
}

QWidget* QtMainWindow::Build(const ControlLayout& row)
{
    const ControlState& state = form.State(row.Id);
    const QString caption = QtText(state.Text);
    QWidget* parent = ParentOf(row);
    QWidget* widget = nullptr;
    switch (row.Kind) {
    case ControlKind::Window: return this; // made by BuildWindow
    case ControlKind::TabControl:
        tabs = new TabControl(parent);
        for (std::string_view tab : TabCaptions)
            tabs->addTab(QString::fromUtf8(tab.data(), qsizetype(tab.size())));
        tabs->setCurrentIndex(row.Value);
        widget = tabs;
        break;
    case ControlKind::Picture: widget = new QLabel(parent); break; // its picture comes when the window first shows
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::AutoSizeLabel: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment((row.Kind == ControlKind::CentredLabel ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* field = new QLineEdit(caption, parent);
        field->setMaxLength(row.MaxLength == NoLimit ? std::numeric_limits<int>::max() : int(row.MaxLength));
        field->setValidator(new OneLineValidator(field));
        widget = field;
        break;
    }
    case ControlKind::MultiLineTextBox: {
        auto* field = new MultiLineTextBox(parent);
        field->setMaxLength(int(row.MaxLength));
        field->setText(caption);
        widget = field;
        break;
    }
    case ControlKind::DropDownList: {
        auto* list = new QComboBox(parent);
        for (std::string_view item : ItemsOf(row.Id))
            list->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
        list->setCurrentIndex(state.Value);
        events::KeepEscapeWhileOpen(list);
        widget = list;
        break;
    }
    case ControlKind::CheckBox: widget = new QCheckBox(caption, parent); break;
    case ControlKind::OptionButton: widget = new QRadioButton(caption, parent); break;
    case ControlKind::PushOption: {
        // The options of one container form one group, so a second click leaves it pressed.
        auto* option = new QPushButton(caption, parent);
        option->setCheckable(true);
        option->setAutoExclusive(true);
        option->setIcon(pictures::IconPicture(row.Picture));
        option->setIconSize({32, 32});
        widget = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(EnterPresses(row.Id));
        widget = button;
        break;
    }
    case ControlKind::Frame:
    case ControlKind::BorderlessFrame: {
        // A frame stands on the window's own colour, an etched line with nothing filled in.
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(row.Kind == ControlKind::Frame ? QFrame::Box | QFrame::Sunken : QFrame::NoFrame);
        widget = frame;
        break;
    }
    }
    Named(widget, row);
    accessibility::Describe(widget, row.Id, state.Text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable())
        button->setChecked(state.Value == 1);
    widget->setEnabled(state.Enabled);
    if (row.Font != FontKind::Dialog)
        widget->setFont(FontOf(row.Font));
    if (state.ForeColor != SystemTextColour)
        SetForeColor(widget, state.ForeColor);
    if (row.Pointer == PointerKind::Hand)
        widget->setCursor(pictures::HandPointer());
    return widget;
}

void QtMainWindow::Connect(const ControlLayout& row)
{
    const Control id = row.Id;
    QWidget* widget = Widget(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        connect(button, &QAbstractButton::clicked, this, [this, id] { form.Clicked(id); });
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
        connect(field, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { form.Edited(id, text.toStdString()); });
    else if (auto* body = qobject_cast<MultiLineTextBox*>(widget))
        connect(body, &QPlainTextEdit::textChanged, this,
                [this, id, body] { form.Edited(id, body->text().toStdString()); });
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        connect(list, &QComboBox::activated, this, [this, id](int item) { form.Picked(id, item); });
    else if (qobject_cast<QLabel*>(widget) && frmMain::Handles(id, Event::Click))
        events::OnLabelClick(widget, [this, id] { form.Clicked(id); });
    if (row.Kind == ControlKind::TabControl) {
        connect(tabs, &TabControl::currentChanged, this, [this](int tab) { form.TabSelected(tab); });
        events::OnGotFocus(tabs->strip(), [this, id] { form.GotFocus(id); });
    } else if (TakesFocus(row.Kind)) {
        events::OnGotFocus(widget, [this, id] { form.GotFocus(id); });
    }
    if (frmMain::Handles(id, Event::MouseMove)) {
        // The tab control's strip and pages are its own surface; the controls on them are not.
        QList<QWidget*> ownParts;
        if (row.Kind == ControlKind::TabControl) {
            ownParts << tabs->strip();
            for (int tab = 0; tab < tabs->count(); ++tab)
                ownParts << tabs->page(tab);
        }
        events::OnMouseMove(
            widget, [this, id] { form.MouseMoved(id); }, ownParts);
    }
}

// Tab walks the controls that take the focus in the keyboard's order, and
// each option group acts as one control.
void QtMainWindow::SetTabOrder()
{
    QWidget* previous = nullptr;
    for (Control control : KeyboardOrder())
        if (TakesFocus(LayoutOf(control).Kind)) {
            QWidget* next = control == Control::SSTab1 ? tabs->strip() : Widget(control);
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    for (Control group : OptionGroups()) {
        QList<QAbstractButton*> members;
        for (Control option : OptionsOf(group))
            members << static_cast<QAbstractButton*>(Widget(option));
        new OptionGroup(members);
    }
}

void QtMainWindow::Show(Control control, Property property)
{
    const ControlState& state = form.State(control);
    QWidget* widget = Widget(control);
    switch (property) {
    case Property::Text: {
        const QSignalBlocker quiet(widget);
        widget->setProperty("text", QtText(state.Text));
        accessibility::Rename(widget, control, state.Text);
        if (LayoutOf(control).Kind == ControlKind::AutoSizeLabel)
            widget->adjustSize();
        break;
    }
    case Property::Value:
        if (auto* list = qobject_cast<QComboBox*>(widget))
            list->setCurrentIndex(state.Value);
        else
            static_cast<QAbstractButton*>(widget)->setChecked(state.Value == 1);
        break;
    case Property::Enabled: widget->setEnabled(state.Enabled); break;
    case Property::ForeColor: SetForeColor(widget, state.ForeColor); break;
    case Property::Selection: {
        const bool multiLine = LayoutOf(control).Kind == ControlKind::MultiLineTextBox;
        const QString text = QtText(state.Text);
        const int start = WidgetPosition(text, state.SelStart, multiLine);
        const int end = WidgetPosition(text, state.SelStart + state.SelLength, multiLine);
        if (auto* field = qobject_cast<QLineEdit*>(widget))
            field->setSelection(start, end - start);
        else if (auto* body = qobject_cast<MultiLineTextBox*>(widget))
            body->Select(start, end);
        break;
    }
    }
}

void QtMainWindow::ShowTab(int tab) { tabs->setCurrentIndex(tab); }

// A window that is not active, as while a message box closes, gives the
// focus only once it is active again, which is no arrival (OnGotFocus); the
// program's move is one all the same.
void QtMainWindow::MoveFocus(Control control)
{
    (control == Control::SSTab1 ? tabs->strip() : Widget(control))->setFocus();
    if (!isActiveWindow())
        form.GotFocus(control);
}

void QtMainWindow::Unload() { close(); }

WindowHandle QtMainWindow::Handle() { return static_cast<WindowHandle>(winId()); }

void QtMainWindow::closeEvent(QCloseEvent* event) { event->setAccepted(form.UnloadQuery()); }

void QtMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void QtMainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    form.CallDropped(event->mimeData()->text().toStdString());
}

void QtMainWindow::showEvent(QShowEvent* event)
{
    if (!placed) {
        placed = true;
        CentreOnScreen(*this);
        // Decoding the largest picture here rather than on loading keeps it
        // from holding up the splash window; nobody sees it before now.
        static_cast<QLabel*>(Widget(Control::Image2))->setPixmap(pictures::AboutPicture(devicePixelRatioF()));
    }
    QWidget::showEvent(event);
}

} // namespace vellumet
