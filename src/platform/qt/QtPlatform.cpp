// The desktop services on Qt: the message box, the clipboard, the file dialog and
// opening files and web pages in the programs the desktop has for them.
#include "QtPlatform.h"

#include "DesktopViewer.h"
#include "MessageBoxDialog.h"
#include "platform/CodePage.h"
#include "platform/Notices.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace vellumet {
namespace {

QWidget* WidgetOf(WindowHandle window) { return window ? QWidget::find(static_cast<WId>(window)) : nullptr; }

// The desktop's launcher reports only whether it started, so the file and the
// program that will open it are looked for first. Of the viewers, xCHM can
// also be told a topic.
OpenResult OpenInViewer(const std::string& target, std::optional<std::int16_t> context)
{
    const QString path = QtPlatform::LocalPath(target);
    if (!QFileInfo(path).isFile())
        return OpenResult::NotFound;
    const auto viewer = FindViewer(path);
    if (!viewer)
        return OpenResult::NoViewer;
    const bool started =
        context && QFileInfo(*viewer).fileName() == u"xchm"
            ? QProcess::startDetached(*viewer, {QStringLiteral("--contextid"), QString::number(*context), path})
            : QProcess::startDetached(QStringLiteral("xdg-open"), {path});
    return started ? OpenResult::Opened : OpenResult::NoViewer;
}

} // namespace

int QtPlatform::ShowMessageBox(const MessageBoxRequest& request)
{
    MessageBoxDialog box(request, [this](const HelpReference& help) { ShowHelp(help); });
    return box.exec();
}

// A Help button that cannot show its help says why, over the box it belongs to.
void QtPlatform::ShowHelp(const HelpReference& help)
{
    if (const auto notice = HelpButtonNotice(OpenHelp(help), help.File))
        ShowMessageBox(*notice);
}

void QtPlatform::ClearClipboard() { QGuiApplication::clipboard()->clear(); }

bool QtPlatform::SetClipboardText(const std::string& text)
{
    const QString wanted = QString::fromUtf8(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(wanted);
    // setText reports nothing; reading the text back tells whether the clipboard took it.
    const QMimeData* held = clipboard->mimeData();
    return held && held->hasText() && held->text() == wanted;
}

std::string QtPlatform::ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

std::string QtPlatform::ApplicationPath() { return QCoreApplication::applicationDirPath().toStdString(); }

unsigned QtPlatform::AnsiCodePage() { return SystemAnsiCodePage(); }

void QtPlatform::MakeTopmost(WindowHandle window)
{
    // The window manager keeps the z-order; the window asks it through its flags.
    if (QWidget* widget = WidgetOf(window); widget && widget->windowHandle())
        widget->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
}

std::optional<std::string> QtPlatform::ChooseFileToOpen(WindowHandle owner, const FileOpenRequest& request)
{
    QStringList filters;
    for (const FileFilter& filter : request.Filters)
        filters << DialogFilter(filter);
    const QString chosen = QFileDialog::getOpenFileName(WidgetOf(owner), QString::fromUtf8(request.Title), QString(),
                                                        filters.join(QStringLiteral(";;")));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

OpenResult QtPlatform::ShellOpen(WindowHandle owner, const std::string& target)
{
    Q_UNUSED(owner);
    const QString text = QString::fromUtf8(target);
    if (text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://")))
        return QDesktopServices::openUrl(QUrl(text)) ? OpenResult::Opened : OpenResult::NoViewer;
    return OpenInViewer(target, std::nullopt);
}

OpenResult QtPlatform::OpenHelp(const HelpReference& help) { return OpenInViewer(help.File, help.Context); }

void QtPlatform::EndProcess() { QCoreApplication::exit(0); }

QString QtPlatform::LocalPath(const std::string& path)
{
    return QString::fromUtf8(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString QtPlatform::DialogFilter(const FileFilter& filter)
{
    const QString pattern = QString::fromUtf8(filter.Pattern);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(filter.Name),
                                         pattern == u"*.*" ? QStringLiteral("*") : pattern);
}

} // namespace vellumet
