// Finds the program that opens a file by asking xdg-mime and reading desktop entries.
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

// The program an application's desktop entry starts: the first word of its
// Exec key, quoted or not.
std::optional<QString> ProgramOfEntry(const QString& entryName)
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
            const QString command = line.mid(5).trimmed();
            const QString program =
                command.startsWith(u'"') ? command.section(u'"', 1, 1) : command.section(u' ', 0, 0);
            const QString found = QStandardPaths::findExecutable(program);
            return found.isEmpty() ? std::nullopt : std::optional(found);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> FindViewer(const QString& file)
{
    const auto type = AskXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), file});
    if (!type)
        return std::nullopt;
    // Some answers carry parameters after the type, as in "text/plain; charset=us-ascii".
    const auto entry = AskXdgMime({QStringLiteral("query"), QStringLiteral("default"), type->section(u';', 0, 0)});
    if (!entry)
        return std::nullopt;
    return ProgramOfEntry(*entry);
}

} // namespace vellumet
