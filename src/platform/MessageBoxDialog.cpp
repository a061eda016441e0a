#include "MessageBoxDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

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
QString DisplayText(const std::string& text)
{
    QString display = QString::fromUtf8(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

} // namespace

MessageBoxDialog::MessageBoxDialog(const MessageBoxRequest& request, HelpOpener openHelp, QWidget* parent)
    : QDialog(parent)
    , m_layout(LayoutOfStyle(request.Style))
{
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(QString::fromUtf8(request.Title));
    setModal(true);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (escapeAnswer())
        flags |= Qt::WindowCloseButtonHint;
    if (m_layout.SystemModal)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    auto* message = new QHBoxLayout;
    if (m_layout.Icon != IconChoice::NoIcon) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("iconLabel"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(StandardPixmapOf(m_layout.Icon), nullptr, this).pixmap(size));
        iconLabel->setAlignment(Qt::AlignTop);
        message->addWidget(iconLabel);
    }
    auto* promptLabel = new QLabel(DisplayText(request.Prompt), this);
    promptLabel->setObjectName(QStringLiteral("promptLabel"));
    promptLabel->setTextFormat(Qt::PlainText);
    promptLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->addWidget(promptLabel, 1);

    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(message);
    outer->addSpacing(12);
    outer->addLayout(row);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    for (Answer answer : m_layout.Buttons)
        addAnswerButton(answer);
    if (m_layout.HelpButton)
        addHelpButton(request.Help, std::move(openHelp));
    for (QPushButton* button : m_buttons)
        row->addWidget(button);

    QPushButton* defaultButton = m_buttons.at(m_layout.DefaultIndex);
    defaultButton->setDefault(true);
    defaultButton->setFocus();
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
    auto* button = new QPushButton(tr("Help"), this);
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
