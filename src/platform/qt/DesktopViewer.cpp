// Finds the command that opens a file by asking xdg-mime and reading desktop entries.
#include "DesktopViewer.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <chrono>

namespace vellumet {
namespace {

using namespace std::chrono_literals;

// A desktop that has not answered by then is taken to have no answer.
constexpr auto QueryTimeout = 5s;

// One line of xdg-mime's answer, or nothing when it had none.
std::optional<QString> AskXdgMime(const QStringList& arguments)
{
    QProcess query;
    query.setStandardInputFile(QProcess::nullDevice());
    query.start(QStringLiteral("xdg-mime"), arguments);
    if (!query.waitForStarted())
        return std::nullopt;
    QEventLoop waiting;
    QObject::connect(&query, &QProcess::finished, &waiting, &QEventLoop::quit);
    QTimer::singleShot(QueryTimeout, &waiting, &QEventLoop::quit);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (query.state() != QProcess::NotRunning) {
        query.kill();
        query.waitForFinished();
        return std::nullopt;
    }
    const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0 || answer.isEmpty())
        return std::nullopt;
    return answer;
}

// The command an application's desktop entry runs for a file: the words of
// its Exec key, quoted or not, with the file in place of the field code that
// stands for files or addresses, or after them all where there is none.
// Other field codes are dropped.
std::optional<QStringList> CommandOfEntry(const QString& entryName, const QString& file)
{
    // A name such as "vendor-app.desktop" may also stand for "vendor/app.desktop".
    QStringList names{entryName};
    if (const qsizetype dash = entryName.indexOf(u'-'); dash > 0)
        names << QString(entryName).replace(dash, 1, u'/');
    QString path;
    for (const QString& name : names)
        if (path.isEmpty())
            path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, name);
    QFile entry(path);
    if (path.isEmpty() || !entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream lines(&entry);
    bool inMainGroup = false;
    for (QString line; lines.readLineInto(&line);) {
        if (line.startsWith(u'['))
            inMainGroup = line.trimmed() == u"[Desktop Entry]";
        else if (inMainGroup && line.startsWith(u"Exec=")) {
            QStringList words = QProcess::splitCommand(line.mid(5).trimmed());
            const QString program = words.isEmpty() ? QString() : QStandardPaths::findExecutable(words.takeFirst());
            if (program.isEmpty())
                return std::nullopt;
            QStringList command{program};
            bool fileGiven = false;
            for (const QString& word : words) {
                const bool fieldCode = word.size() == 2 && word.front() == u'%' && word != u"%%";
                if (fieldCode && QStringLiteral("fFuU").contains(word.back())) {
                    command << file;
                    fileGiven = true;
                } else if (!fieldCode)
                    command << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
            }
            if (!fileGiven)
                command << file;
            return command;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringList> ViewerCommand(const QString& mimeType, const QString& file)
{
    const auto entry = AskXdgMime({QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!entry)
        return std::nullopt;
    return CommandOfEntry(*entry, file);
}

} // namespace vellumet
