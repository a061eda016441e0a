#include "QtPlatform.h"

#include "MessageBoxDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vellumet {

int QtPlatform::ShowMessageBox(const MessageBoxRequest& request)
{
    // The help viewers of this desktop open a file; the topic cannot be passed on.
    MessageBoxDialog box(request, [](const HelpReference& help) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(LocalHelpPath(help.File)));
    });
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
    if (QWidget* widget = QWidget::find(static_cast<WId>(window)); widget && widget->windowHandle())
        widget->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
#endif
}

QString QtPlatform::LocalHelpPath(const std::string& helpFile)
{
    QString path = QString::fromUtf8(helpFile);
    if (QDir::separator() == QLatin1Char('/'))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

} // namespace vellumet
