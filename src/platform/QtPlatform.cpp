#include "QtPlatform.h"

#include "MessageBoxDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vellumet {
namespace {

QWidget* WidgetOf(WindowHandle window) { return window ? QWidget::find(static_cast<WId>(window)) : nullptr; }

} // namespace

int QtPlatform::ShowMessageBox(const MessageBoxRequest& request)
{
    // The help viewers of this desktop open a file; the topic cannot be passed on.
    MessageBoxDialog box(request, [this](const HelpReference& help) { ShellOpen(0, help.File); });
    return box.exec();
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

std::string QtPlatform::ApplicationPath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

void QtPlatform::MakeTopmost(WindowHandle window)
{
#ifdef Q_OS_WIN
    SetWindowPos(reinterpret_cast<HWND>(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
#else
    // Elsewhere the window manager keeps the z-order; the window asks it through its flags.
    if (QWidget* widget = WidgetOf(window); widget && widget->windowHandle())
        widget->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
#endif
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
    return QDir::toNativeSeparators(chosen).toStdString();
}

bool QtPlatform::ShellOpen(WindowHandle owner, const std::string& target)
{
#ifdef Q_OS_WIN
    // The wide call keeps names that the system's code page cannot spell.
    const std::wstring wide = QString::fromUtf8(target).toStdWString();
    const HINSTANCE result =
        ShellExecuteW(reinterpret_cast<HWND>(owner), nullptr, wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
#else
    Q_UNUSED(owner);
    const QString text = QString::fromUtf8(target);
    if (text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://")))
        return QDesktopServices::openUrl(QUrl(text));
    // The desktop's launcher reports only whether it started, so a missing file is caught here.
    const QString path = LocalPath(target);
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

void QtPlatform::EndProcess() { QCoreApplication::exit(0); }

QString QtPlatform::LocalPath(const std::string& path)
{
    QString local = QString::fromUtf8(path);
    if (QDir::separator() == QLatin1Char('/'))
        local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return local;
}

QString QtPlatform::DialogFilter(const FileFilter& filter)
{
    QString pattern = QString::fromUtf8(filter.Pattern);
    if (QDir::separator() == QLatin1Char('/') && pattern == QLatin1String("*.*"))
        pattern = QStringLiteral("*");
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(filter.Name), pattern);
}

} // namespace vellumet
