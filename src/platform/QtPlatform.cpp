#include "QtPlatform.h"

#include "MessageBoxDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

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

QString QtPlatform::LocalHelpPath(const std::string& helpFile)
{
    QString path = QString::fromUtf8(helpFile);
    if (QDir::separator() == QLatin1Char('/'))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

} // namespace vellumet
