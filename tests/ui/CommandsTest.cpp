#include "platform/QtPlatform.h"
#include "support/CaseTable.h"
#include "support/MainWindowFixture.h"
#include "ui/MultiLineTextBox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace vellumet;
using Steps = std::vector<std::string>;
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
    void blankBody_data();
    void blankBody();
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
    void performAll(const Steps& steps) const
    {
        for (const std::string& step : steps)
            perform(step);
    }
    QStringList controlStates() const;
    QString focusName() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

static MessageBoxRequest Warning(GenerateFailure failure)
{
    return {std::string(FailureMessage(failure)), 48, "Vellumet", std::nullopt};
}

static Steps StepsFrom(const std::vector<std::string>& row, std::size_t first) { return {row.begin() + first, row.end()}; }

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

void CommandsTest::blankBody_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("refused");
    for (int tab = 0; tab < 4; ++tab)
        for (const char* command : {"cmdTry", "cmdCopy"}) {
            QTest::addRow("empty, %s on tab %d", command, tab) << tab << command << "" << true;
            QTest::addRow("spaces, %s on tab %d", command, tab) << tab << command << "   " << true;
        }
    QTest::newRow("tab only") << 2 << "cmdCopy" << " \t " << false;
    QTest::newRow("line breaks only") << 3 << "cmdTry" << "\r\n\r\n" << false;
}

// A blank body is refused from any tab, and the user is taken to it with
// nothing else changed; tabs and line breaks make a body.
void CommandsTest::blankBody()
{
    QFETCH(int, tab);
    QFETCH(QString, command);
    QFETCH(QString, body);
    QFETCH(bool, refused);
    typeInto(QStringLiteral("txtTitle"), QStringLiteral("Kept"));
    control<MultiLineTextBox>(QStringLiteral("txtBody"))->setText(body);
    const QStringList before = controlStates();
    tabs()->setCurrentIndex(tab);
    QTest::mouseClick(control(command), Qt::LeftButton);

    if (refused) {
        QVERIFY(platform->messageBoxes == std::vector<MessageBoxRequest>{Warning(GenerateFailure::BlankBody)});
        QCOMPARE(platform->messageBoxes[0].Prompt,
                 std::string("Please enter a Body Message before\r\nattempting to try or copy Vellumet code."));
        QCOMPARE(platform->calls, Calls{"ShowMessageBox"});
        QCOMPARE(tabs()->currentIndex(), 1);
        QCOMPARE(focusName(), QStringLiteral("txtBody"));
        QCOMPARE(controlStates(), before);
    } else if (command == u"cmdCopy") {
        QCOMPARE(platform->calls, (Calls{"ClearClipboard", "SetClipboardText"}));
    } else {
        QCOMPARE(platform->messageBoxes.at(0).Prompt, body.toStdString());
    }
}

void CommandsTest::refusals_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("command");
    QTest::addColumn<MessageBoxRequest>("message");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");
    const Steps badTopic{"type:txtBody:Hi", "click:chkMsgBoxHelpButton", "type:txtTopicID:12.5"};
    const Steps unnamed{"type:txtBody:Hi", "click:optYesNo1", "type:txtVariable: \" "};
    const auto topicRefused = Warning(GenerateFailure::TopicNotConvertible);
    QTest::newRow("topic, try") << badTopic << "cmdTry" << topicRefused << 3 << "txtTopicID";
    QTest::newRow("topic, copy") << badTopic << "cmdCopy" << topicRefused << 3 << "txtTopicID";
    QTest::newRow("variable name, copy")
        << unnamed << "cmdCopy" << Warning(GenerateFailure::MissingVariableName) << 2 << "txtVariable";
    QTest::newRow("clipboard refuses")
        << Steps{"type:txtBody:Hi", "click:optYesNo1"} << "cmdCopy" << Warning(GenerateFailure::ClipboardRefused) << 2
        << "cmdCopy";
}

// What cannot be generated is said in a warning, and the user is taken to the
// field that mends it; the clipboard is never taken for having the code.
void CommandsTest::refusals()
{
    QFETCH(Steps, steps);
    QFETCH(QString, command);
    QFETCH(MessageBoxRequest, message);
    QFETCH(int, tab);
    QFETCH(QString, focus);
    performAll(steps);
    platform->clipboardRefuses = message == Warning(GenerateFailure::ClipboardRefused);
    tabs()->setCurrentIndex(2);
    QTest::mouseClick(control(command), Qt::LeftButton);

    QVERIFY(platform->messageBoxes == std::vector<MessageBoxRequest>{message});
    QCOMPARE(platform->clipboard == "what was there before", !platform->clipboardRefuses);
    QCOMPARE(tabs()->currentIndex(), tab);
    QCOMPARE(focusName(), focus);
    if (auto* field = qobject_cast<QLineEdit*>(control(focus)))
        QCOMPARE(field->selectedText(), field->text());
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
    QTest::newRow("everything changed")
        << Steps{"type:txtTitle:Title",           "type:txtBody:Body\r\ntext",  "click:chkSystemModal",
                 "click:optValue",                "click:optCritical",          "click:optYesNoCancel3",
                 "type:txtVariable:Answer",       "click:chkMsgBoxHelpButton",  "type:txtHelpFile:\\Orders.chm",
                 "click:chkAppPathHelpFile",      "type:txtTopicID:25",         "click:chkHelpButtonDefault"};
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
    QTest::addColumn<std::string>("applicationPath");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<std::string>("target");
    QTest::newRow("opened") << std::string("/opt/vellumet/bin") << true << std::string("/opt/vellumet/bin/VellHelp.chm");
    QTest::newRow("root folder") << std::string("/") << true << std::string("/VellHelp.chm");
    QTest::newRow("missing") << std::string("/opt/vellumet/bin") << false << std::string("/opt/vellumet/bin/VellHelp.chm");
}

void CommandsTest::helpOpensFileBesideProgram()
{
    QFETCH(std::string, applicationPath);
    QFETCH(bool, opens);
    QFETCH(std::string, target);
    platform->applicationPath = applicationPath;
    platform->shellOpenSucceeds = opens;
    click(QStringLiteral("cmdHelp"));

    QCOMPARE(platform->opened, std::vector<std::string>{target});
    QCOMPARE(platform->owners, std::vector<WindowHandle>{WindowHandle(window->winId())});
    const MessageBoxRequest noHelp{"There is no help file in the same directory as Vellumet.\r\n\r\n"
                                   "1.    The help file has either been moved, deleted or renamed.\r\n"
                                   "2.    Vellumet has been moved.\r\n\r\n\r\n"
                                   "Please reinstall Vellumet or replace the help file.",
                                   64, "Vellumet", std::nullopt};
    QVERIFY(platform->messageBoxes == (opens ? std::vector<MessageBoxRequest>{} : std::vector<MessageBoxRequest>{noHelp}));
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
    platform->shellOpenSucceeds = false;
    click(QStringLiteral("lblLink"));
    QCOMPARE(platform->calls, Calls{"ShellOpen"});
    QCOMPARE(platform->opened, std::vector<std::string>{"https://www.tarnwick.example/"});
    QCOMPARE(platform->owners, std::vector<WindowHandle>{WindowHandle(window->winId())});
}

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
