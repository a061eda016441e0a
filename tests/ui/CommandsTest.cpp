#include "platform/QtPlatform.h"
#include "support/CaseTable.h"
#include "support/MainWindowFixture.h"
#include "ui/MultiLineTextBox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <map>

using namespace vellumet;
using Calls = std::vector<std::string>;

// The five command buttons, the exit question and the maker's link, driven
// through the window with the recording platform answering.
class CommandsTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void workedExamples_data();
    void workedExamples();
    void refusals_data();
    void refusals();
    void resetRestoresStartState_data();
    void resetRestoresStartState();
    void exitAsks_data();
    void exitAsks();
    void helpOpensFileBesideProgram_data();
    void helpOpensFileBesideProgram();
    void helpFileIsBuiltBesideProgram();
    void linkOpensMakersPage();

private:
    QStringList controlStates() const;
    QString focusName() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

static MessageBoxRequest Warning(GenerateFailure failure)
{
    return {std::string(FailureMessage(failure)), 48, "Vellumet", std::nullopt};
}

static Steps StepsFrom(const std::vector<std::string>& row, std::size_t first)
{
    return {row.begin() + static_cast<std::ptrdiff_t>(first), row.end()};
}

void CommandsTest::workedExamples_data()
{
    QTest::addColumn<std::string>("golden");
    QTest::addColumn<MessageBoxRequest>("tried");
    QTest::addColumn<Steps>("steps");
    for (const auto& row : testing::ReadCaseTable("window-examples.tsv")) {
        std::string helpFile = row[4];
        if (const auto app = helpFile.find("{app}"); app != std::string::npos)
            helpFile.replace(app, 5, testing::RecordingPlatform().applicationPath);
        MessageBoxRequest tried{"", std::stoi(row[2]), row[3], std::nullopt};
        if (helpFile != "-")
            tried.Help = HelpReference{helpFile, std::int16_t(std::stoi(row[5]))};
        QTest::newRow(row[0].c_str()) << row[1] << tried << StepsFrom(row, 6);
    }
}

// Entered by clicks and keys, each example copies its code byte for byte, and
// Try shows the box with the body as typed.
void CommandsTest::workedExamples()
{
    QFETCH(std::string, golden);
    QFETCH(MessageBoxRequest, tried);
    QFETCH(Steps, steps);
    performAll(steps);

    click(QStringLiteral("cmdCopy"));
    QCOMPARE(platform->clipboard, testing::ReadDataFile("golden/" + golden));
    QCOMPARE(platform->calls, (Calls{"ClearClipboard", "SetClipboardText"}));

    click(QStringLiteral("cmdTry"));
    for (const std::string& step : steps)
        if (step.starts_with("type:txtBody:"))
            tried.Prompt = step.substr(13);
    QVERIFY(platform->messageBoxes == std::vector<MessageBoxRequest>{tried});
}

void CommandsTest::refusals_data()
{
    const std::map<std::string, GenerateFailure> refusals{{"BlankBody", GenerateFailure::BlankBody},
                                                          {"MissingVariableName", GenerateFailure::MissingVariableName},
                                                          {"TopicNotConvertible", GenerateFailure::TopicNotConvertible},
                                                          {"ClipboardRefused", GenerateFailure::ClipboardRefused}};
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("tabBefore");
    QTest::addColumn<std::optional<GenerateFailure>>("refusal");
    QTest::addColumn<int>("tabAfter");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Steps>("steps");
    for (const auto& row : testing::ReadCaseTable("window-refusals.tsv")) {
        const auto refusal = row[3] == "-" ? std::nullopt : std::optional(refusals.at(row[3]));
        QTest::newRow(row[0].c_str()) << QString::fromStdString(row[1]) << std::stoi(row[2]) << refusal
                                      << std::stoi(row[4]) << QString::fromStdString(row[5]) << StepsFrom(row, 6);
    }
}

// What cannot be generated is said in a warning, from whichever tab, and the
// user is taken to the field that mends it with every choice kept; the
// clipboard is never taken for having the code.
void CommandsTest::refusals()
{
    QFETCH(QString, command);
    QFETCH(int, tabBefore);
    QFETCH(std::optional<GenerateFailure>, refusal);
    QFETCH(int, tabAfter);
    QFETCH(QString, focus);
    QFETCH(Steps, steps);
    performAll(steps);
    platform->clipboardRefuses = refusal == GenerateFailure::ClipboardRefused;
    const QStringList before = controlStates();
    tabs()->setCurrentIndex(tabBefore);
    QTest::mouseClick(control(command), Qt::LeftButton);

    QCOMPARE(tabs()->currentIndex(), tabAfter);
    QCOMPARE(focusName(), focus);
    QCOMPARE(controlStates(), before);
    if (!refusal) {
        QVERIFY(!platform->calls.empty());
        QVERIFY(platform->messageBoxes.empty() || platform->messageBoxes[0].Style != 48);
        return;
    }
    QVERIFY(platform->messageBoxes == std::vector<MessageBoxRequest>{Warning(*refusal)});
    QCOMPARE(platform->clipboard == "what was there before", !platform->clipboardRefuses);
    if (auto* field = qobject_cast<QLineEdit*>(control(focus)))
        QCOMPARE(field->selectedText(), field->text());
    if (refusal == GenerateFailure::BlankBody)
        QCOMPARE(platform->messageBoxes[0].Prompt,
                 std::string("Please enter a Body Message before\r\nattempting to try or copy Vellumet code."));
}

// The state of every named control: enabled, checked and text.
QStringList CommandsTest::controlStates() const
{
    QStringList states;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty())
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        states << QStringLiteral("%1 %2 %3 %4")
                      .arg(widget->objectName(), widget->isEnabled() ? "on" : "off",
                           button && button->isChecked() ? "checked" : "-", widget->property("text").toString());
    }
    return states;
}

void CommandsTest::resetRestoresStartState_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::newRow("everything changed") << Steps{
        "type:txtTitle:Title",      "type:txtBody:Body\r\ntext", "click:chkSystemModal",
        "click:optValue",           "click:optCritical",         "click:optYesNoCancel3",
        "type:txtVariable:Answer",  "click:chkMsgBoxHelpButton", "type:txtHelpFile:\\Orders.chm",
        "click:chkAppPathHelpFile", "type:txtTopicID:25",        "click:chkHelpButtonDefault"};
    QTest::newRow("help off, OK only") << Steps{"type:txtTitle:Title", "click:optQuestion"};
    QTest::newRow("nothing changed") << Steps{};
}

// Reset brings back the start state of every control, and shows the first tab
// while the keyboard focus rests in the title.
void CommandsTest::resetRestoresStartState()
{
    QFETCH(Steps, steps);
    const QStringList start = controlStates();
    performAll(steps);
    click(QStringLiteral("cmdReset"));

    QCOMPARE(controlStates(), start);
    QVERIFY(window->Snapshot() == MessageBoxOptions());
    QCOMPARE(DefaultButtonCaption, QStringLiteral("OK"));
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(focusName(), QStringLiteral("txtTitle"));
    QVERIFY(platform->calls.empty());
}

void CommandsTest::exitAsks_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::addColumn<int>("answer");
    QTest::newRow("Exit, No") << false << 7;
    QTest::newRow("Exit, Yes") << false << 6;
    QTest::newRow("close box, No") << true << 7;
    QTest::newRow("close box, Yes") << true << 6;
}

// Exit and the close box ask first; No keeps the window as it was, Yes ends the program.
void CommandsTest::exitAsks()
{
    QFETCH(bool, byCloseBox);
    QFETCH(int, answer);
    typeInto(QStringLiteral("txtTitle"), QStringLiteral("Unsaved"));
    const QStringList before = controlStates();
    platform->answer = answer;
    if (byCloseBox)
        window->close();
    else
        click(QStringLiteral("cmdExit"));

    const MessageBoxRequest question{"Are you sure you want to exit?", 292, "Vellumet", std::nullopt};
    QVERIFY(platform->messageBoxes == std::vector<MessageBoxRequest>{question});
    QCOMPARE(window->isVisible(), answer == 7);
    QCOMPARE(platform->calls.back(), std::string(answer == 7 ? "ShowMessageBox" : "EndProcess"));
    QCOMPARE(controlStates(), before);
}

void CommandsTest::helpOpensFileBesideProgram_data()
{
    const std::string path = "/opt/vellumet/bin/VellHelp.chm";
    const MessageBoxRequest missing{"There is no help file in the same directory as Vellumet.\r\n\r\n"
                                    "1.    The help file has either been moved, deleted or renamed.\r\n"
                                    "2.    Vellumet has been moved.\r\n\r\n\r\n"
                                    "Please reinstall Vellumet or replace the help file.",
                                    64, "Vellumet", std::nullopt};
    const MessageBoxRequest noViewer{"No program on this computer can open the help file\r\n\r\n" + path +
                                         "\r\n\r\nPlease install a viewer for help files of this kind, then try again.",
                                     64, "Vellumet", std::nullopt};
    QTest::addColumn<OpenResult>("result");
    QTest::addColumn<std::vector<MessageBoxRequest>>("told");
    QTest::newRow("opened") << OpenResult::Opened << std::vector<MessageBoxRequest>{};
    QTest::newRow("missing") << OpenResult::NotFound << std::vector<MessageBoxRequest>{missing};
    QTest::newRow("nothing opens it") << OpenResult::NoViewer << std::vector<MessageBoxRequest>{noViewer};
}

// Help opens the file in the program's folder; when it cannot, the notice
// says whether the file is missing or nothing can open it.
void CommandsTest::helpOpensFileBesideProgram()
{
    QFETCH(OpenResult, result);
    QFETCH(std::vector<MessageBoxRequest>, told);
    platform->applicationPath = "/opt/vellumet/bin";
    platform->openResult = result;
    click(QStringLiteral("cmdHelp"));

    QCOMPARE(platform->opened, std::vector<std::string>{"/opt/vellumet/bin/VellHelp.chm"});
    QCOMPARE(platform->owners, std::vector<WindowHandle>{WindowHandle(window->winId())});
    QVERIFY(platform->messageBoxes == told);
}

// The build puts the compiled help where Help looks for it: beside the programs.
void CommandsTest::helpFileIsBuiltBesideProgram()
{
    QFile help(QString::fromStdString(JoinPath(QtPlatform().ApplicationPath(), "VellHelp.chm")));
    QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
    QCOMPARE(help.read(4), QByteArray("ITSF"));
}

// The link opens the maker's page; a failure says nothing.
void CommandsTest::linkOpensMakersPage()
{
    platform->openResult = OpenResult::NoViewer;
    click(QStringLiteral("lblLink"));
    QCOMPARE(platform->calls, Calls{"ShellOpen"});
    QCOMPARE(platform->opened, std::vector<std::string>{"https://www.tarnwick.example/"});
    QCOMPARE(platform->owners, std::vector<WindowHandle>{WindowHandle(window->winId())});
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
