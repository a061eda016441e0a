// How the Qt message box lays out its icon, prompt and buttons, and how it answers.
#include "MessageBoxDialog.h"

#include "codegen/LineBreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>

#ifdef VELLUMET_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace vellumet {
namespace {

QStyle::StandardPixmap StandardPixmapOf(IconChoice icon)
{
    switch (icon) {
    case IconChoice::Critical: return QStyle::SP_MessageBoxCritical;
    case IconChoice::Question: return QStyle::SP_MessageBoxQuestion;
    case IconChoice::Exclamation: return QStyle::SP_MessageBoxWarning;
    case IconChoice::Information:
    case IconChoice::NoIcon: break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// The box shows line breaks of every kind as breaks, as the system's box does.
QString DisplayText(const std::string& text) { return ReplaceLineBreaks(QString::fromUtf8(text), u'\n'); }

// Like the system's box, the box grows no wider than five eighths of the
// screen's available width; its text grows no taller than two thirds of the
// height, and scrolls beyond that, so that the buttons stay on the screen.
int WidestBox(const QRect& screen) { return screen.width() * 5 / 8; }
int TallestPrompt(const QRect& screen) { return screen.height() * 2 / 3; }

// The title bar holds, beside the title, the window's icon and its close
// button; each takes about the bar's height, and one more stands for the gaps.
constexpr int TitleBarElements = 3;

// The width the box needs to show its whole title in the desktop's title
// font with its frame's buttons beside it, within the box's widest.
int TitleWidth(const QString& title, const QStyle& style, const QRect& screen)
{
    const int text = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title);
    return std::min(text + TitleBarElements * style.pixelMetric(QStyle::PM_TitleBarHeight), WidestBox(screen));
}

// The lines of the text as they fit a width: broken between words, and inside
// a word only where the word alone is wider than a line. The spaces at a
// break are dropped, as a wrapped line shows none.
QString WrapLines(const QString& text, const QFont& font, int width)
{
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        QStringList wrapped;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            wrapped << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        for (qsizetype line = 0; line + 1 < wrapped.size(); ++line)
            while (wrapped[line].endsWith(u' '))
                wrapped[line].chop(1);
        lines << wrapped;
    }
    return lines.join(u'\n');
}

// What Ctrl+C copies, laid out as the system's box lays it out: the title,
// the text and the buttons' captions, each part between lines of dashes.
QString CopiedText(const QString& title, const QString& prompt, const std::vector<QPushButton*>& buttons)
{
    const QString rule(27, u'-');
    QString captions;
    for (const QPushButton* button : buttons)
        captions += button->text() + QStringLiteral("   ");
    return QStringList{rule, title, rule, prompt, rule, captions, rule, QString()}.join(u'\n');
}

// Qt names a window with no title after the program. The system's box shows
// an empty title bar, so the title is emptied on the desktop itself.
void ShowEmptyTitle(QWidget& window)
{
#ifdef VELLUMET_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const auto atom = [connection](const char* name) {
        const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, 0,
                        nullptr);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

} // namespace

MessageBoxDialog::MessageBoxDialog(const MessageBoxRequest& request, HelpOpener openHelp, QWidget* parent)
    : QDialog(parent)
    , m_layout(LayoutOfStyle(request.Style))
{
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(QString::fromUtf8(request.Title));
    setModal(true);
    // As on Windows, the frame has a close button only; it answers as Esc does.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (m_layout.SystemModal)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* message = new QHBoxLayout;
    outer->addLayout(message);
    int iconSpace = 0;
    if (m_layout.Icon != IconChoice::NoIcon) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("iconLabel"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(StandardPixmapOf(m_layout.Icon), nullptr, this).pixmap(size));
        iconLabel->setAlignment(Qt::AlignTop);
        message->addWidget(iconLabel);
        iconSpace = iconLabel->sizeHint().width() + message->spacing();
    }
    const QRect screen = this->screen()->availableGeometry();
    const QMargins margins = outer->contentsMargins();
    outer->addStrut(TitleWidth(windowTitle(), *style(), screen) - margins.left() - margins.right());
    auto* promptLabel = new QLabel(this);
    promptLabel->setObjectName(QStringLiteral("promptLabel"));
    promptLabel->setTextFormat(Qt::PlainText);
    promptLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    promptLabel->setText(WrapLines(DisplayText(request.Prompt), promptLabel->font(),
                                   WidestBox(screen) - margins.left() - margins.right() - iconSpace));
    message->addWidget(promptArea(promptLabel, TallestPrompt(screen)), 1);

    auto* row = new QHBoxLayout;
    row->addStretch();
    outer->addSpacing(12);
    outer->addLayout(row);

    for (Answer answer : m_layout.Buttons)
        addAnswerButton(answer);
    if (m_layout.HelpButton)
        addHelpButton(request.Help, std::move(openHelp));
    for (QPushButton* button : m_buttons)
        row->addWidget(button);

    m_copiedText = CopiedText(windowTitle(), DisplayText(request.Prompt), m_buttons);

    QPushButton* defaultButton = m_buttons.at(m_layout.DefaultIndex);
    defaultButton->setDefault(true);
    defaultButton->setFocus();
}

// The prompt itself, or a scrolling view of it where it is too tall.
QWidget* MessageBoxDialog::promptArea(QLabel* prompt, int tallest)
{
    prompt->adjustSize();
    if (prompt->height() <= tallest)
        return prompt;
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("promptArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(prompt);
    area->viewport()->setAutoFillBackground(false);
    area->setFixedSize(prompt->width() + area->verticalScrollBar()->sizeHint().width(), tallest);
    return area;
}

void MessageBoxDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (windowTitle().isEmpty())
        ShowEmptyTitle(*this);
}

void MessageBoxDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(m_copiedText);
        return;
    }
    // F1 asks for help as the Help button does, where the box has one.
    if (event->key() == Qt::Key_F1 && m_layout.HelpButton) {
        m_buttons.back()->click();
        return;
    }
    // The answer buttons come first; Alt may be held or not, as on Windows.
    if ((event->modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier)) == Qt::NoModifier)
        for (std::size_t i = 0; i < m_layout.Buttons.size(); ++i)
            if (event->key() == m_buttons[i]->text().front().toUpper().unicode()) {
                m_buttons[i]->click();
                return;
            }
    QDialog::keyPressEvent(event);
}

void MessageBoxDialog::addAnswerButton(Answer answer)
{
    const QString caption = QString::fromUtf8(AnswerCaption(answer));
    auto* button = new QPushButton(caption, this);
    button->setObjectName(caption);
    connect(button, &QPushButton::clicked, this, [this, answer] { done(static_cast<int>(answer)); });
    m_buttons.push_back(button);
}

void MessageBoxDialog::addHelpButton(const std::optional<HelpReference>& help, HelpOpener openHelp)
{
    auto* button = new QPushButton(QStringLiteral("Help"), this);
    button->setObjectName(QStringLiteral("Help"));
    if (help && openHelp)
        connect(button, &QPushButton::clicked, this,
                [help = *help, openHelp = std::move(openHelp)] { openHelp(help); });
    m_buttons.push_back(button);
}

// Esc and the close box answer Cancel where the set has it, OK for OK only;
// other sets must be answered with one of their buttons.
std::optional<Answer> MessageBoxDialog::escapeAnswer() const
{
    const auto& set = m_layout.Buttons;
    if (std::find(set.begin(), set.end(), Answer::Cancel) != set.end())
        return Answer::Cancel;
    if (set.size() == 1)
        return set.front();
    return std::nullopt;
}

void MessageBoxDialog::reject()
{
    if (const auto answer = escapeAnswer())
        done(static_cast<int>(*answer));
}

} // namespace vellumet
