#include "support/MainWindowFixture.h"
#include "ui/MultiLineTextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace vellumet;

// How the controls of the main window keep each other in step as the user
// chooses: the default-button label, the variable field, the Help-button
// settings, select-all on focus and the link's hover colour.
class BehaviourTest : public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void buttonOptionNamesDefault_data();
    void buttonOptionNamesDefault();
    void helpAsDefaultButton();
    void helpSettingsOnOffOn();
    void browseForHelpFile_data();
    void browseForHelpFile();
    void focusSelectsWholeText_data();
    void focusSelectsWholeText();
    void linkFollowsPointer();

private:
    QString defaultLabel() const { return control<QLabel>(QStringLiteral("lblDefault"))->text(); }
    QStringList enabledOf(const QStringList& names) const;
};

static const QStringList HelpDetails{"lblHelpFile", "txtHelpFile", "chkAppPathHelpFile",  "lblTopicID",
                                     "txtTopicID",  "cmdBrowse",   "chkHelpButtonDefault"};

QStringList BehaviourTest::enabledOf(const QStringList& names) const
{
    QStringList enabled;
    for (const QString& name : names)
        if (control(name)->isEnabled())
            enabled << name;
    return enabled;
}

// clang-format off
void BehaviourTest::buttonOptionNamesDefault_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("variableInUse");
    const std::pair<const char*, const char*> options[] = {
        {"optOKOnly", "OK"},         {"optOKCancel1", "OK"},      {"optOKCancel2", "Cancel"},
        {"optAbortRetryIgnore1", "Abort"}, {"optAbortRetryIgnore2", "Retry"}, {"optAbortRetryIgnore3", "Ignore"},
        {"optYesNoCancel1", "Yes"},  {"optYesNoCancel2", "No"},   {"optYesNoCancel3", "Cancel"},
        {"optYesNo1", "Yes"},        {"optYesNo2", "No"},         {"optRetryCancel1", "Retry"},
        {"optRetryCancel2", "Cancel"},
    };
    for (const auto& [option, caption] : options)
        QTest::newRow(option) << caption << (QLatin1String(option) != QLatin1String("optOKOnly"));
}
// clang-format on

// The label names the default button, not the set, and is just as large as its
// caption; a name typed for the answer stays while the set has more than one button.
void BehaviourTest::buttonOptionNamesDefault()
{
    QFETCH(QString, caption);
    QFETCH(bool, variableInUse);
    click(QStringLiteral("optAbortRetryIgnore2"));
    typeInto(QStringLiteral("txtVariable"), QStringLiteral("Answer"));

    click(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(defaultLabel(), caption);
    QCOMPARE(DefaultButtonCaption, caption);
    auto* label = control<QLabel>(QStringLiteral("lblDefault"));
    const int needed = label->fontMetrics().horizontalAdvance(caption);
    QVERIFY2(label->width() >= needed && label->width() <= needed + 2, qPrintable(QString::number(label->width())));
    QVERIFY(label->height() >= label->fontMetrics().height() && label->height() <= label->fontMetrics().height() + 1);
    QCOMPARE(enabledOf({"txtVariable", "lblVariable"}).size(), variableInUse ? 2 : 0);
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtVariable"))->text(), variableInUse ? "Answer" : "Response");

    // A name lost to OK only does not come back with the next set.
    click(QStringLiteral("optYesNo1"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtVariable"))->text(), variableInUse ? "Answer" : "Response");
}

// While Help is the default the label says so, whichever option is chosen;
// clearing it, or removing the Help button, names the chosen button again.
void BehaviourTest::helpAsDefaultButton()
{
    click(QStringLiteral("chkMsgBoxHelpButton"));
    click(QStringLiteral("chkHelpButtonDefault"));
    QCOMPARE(defaultLabel(), QStringLiteral("Help"));
    click(QStringLiteral("optYesNo2"));
    QCOMPARE(defaultLabel(), QStringLiteral("Help"));
    QCOMPARE(DefaultButtonCaption, QStringLiteral("No"));
    click(QStringLiteral("chkHelpButtonDefault"));
    QCOMPARE(defaultLabel(), QStringLiteral("No"));

    click(QStringLiteral("chkHelpButtonDefault"));
    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(defaultLabel(), QStringLiteral("No"));
    QVERIFY(!checked(QStringLiteral("chkHelpButtonDefault")));
    QVERIFY(!control(QStringLiteral("chkHelpButtonDefault"))->isEnabled());
}

// Switching the Help button off discards what was entered; on again restores nothing.
void BehaviourTest::helpSettingsOnOffOn()
{
    // The help file, the topic, the two check boxes and the default label, then how many details are enabled.
    const auto helpState = [this] {
        return QStringList{control<QLineEdit>(QStringLiteral("txtHelpFile"))->text(),
                           control<QLineEdit>(QStringLiteral("txtTopicID"))->text(),
                           checked(QStringLiteral("chkAppPathHelpFile")) ? "app path" : "-",
                           checked(QStringLiteral("chkHelpButtonDefault")) ? "help default" : "-",
                           defaultLabel(),
                           QString::number(enabledOf(HelpDetails).size())}
            .join(u'|');
    };
    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(helpState(), QStringLiteral("|0|-|-|OK|7"));

    typeInto(QStringLiteral("txtHelpFile"), QStringLiteral("\\Orders.chm"));
    typeInto(QStringLiteral("txtTopicID"), QStringLiteral("25"));
    click(QStringLiteral("chkAppPathHelpFile"));
    click(QStringLiteral("chkHelpButtonDefault"));
    QCOMPARE(helpState(), QStringLiteral("\\Orders.chm|25|app path|help default|Help|7"));

    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(helpState(), QStringLiteral("|0|-|-|OK|0"));
    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(helpState(), QStringLiteral("|0|-|-|OK|7"));
}

void BehaviourTest::browseForHelpFile_data()
{
    QTest::addColumn<std::optional<std::string>>("chosen");
    QTest::addColumn<QString>("after");
    QTest::newRow("help file") << std::optional<std::string>(R"(C:\Help\Orders.hlp)") << R"(C:\Help\Orders.hlp)";
    QTest::newRow("any file, as given") << std::optional<std::string>(" /home/ann/notes ") << " /home/ann/notes ";
    QTest::newRow("cancelled") << std::optional<std::string>() << "typed.chm";
}

void BehaviourTest::browseForHelpFile()
{
    QFETCH(std::optional<std::string>, chosen);
    QFETCH(QString, after);
    platform->chosenFile = chosen;
    click(QStringLiteral("chkMsgBoxHelpButton"));
    typeInto(QStringLiteral("txtHelpFile"), QStringLiteral("typed.chm"));

    click(QStringLiteral("cmdBrowse"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtHelpFile"))->text(), after);
    QCOMPARE(platform->calls, std::vector<std::string>{"ChooseFileToOpen"});
    QCOMPARE(platform->owners, std::vector<WindowHandle>{WindowHandle(window->winId())});
    const FileOpenRequest request{
        "Select help file",
        {{"Windows Help Files", "*.hlp"}, {"Compiled HTML Help Files", "*.chm"}, {"All Files", "*.*"}}};
    QVERIFY(platform->fileRequests == std::vector<FileOpenRequest>{request});

    typeInto(QStringLiteral("txtHelpFile"), QStringLiteral("edited"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtHelpFile"))->text(), QStringLiteral("edited"));
}

// clang-format off
void BehaviourTest::focusSelectsWholeText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("arrival");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    for (const char* arrival : {"Tab", "click", "program"}) {
        QTest::addRow("title, %s", arrival) << "txtTitle" << "Message" << arrival << "M" << "M";
        QTest::addRow("two-line body, %s", arrival) << "txtBody" << "ab\r\ncd" << arrival << "x" << "x";
        QTest::addRow("empty help file, %s", arrival) << "txtHelpFile" << "" << arrival << "h" << "h";
        QTest::addRow("topic, %s", arrival) << "txtTopicID" << "0" << arrival << "42" << "42";
        QTest::addRow("variable, %s", arrival) << "txtVariable" << "Response" << arrival << "Answer" << "Answer";
    }
}
// clang-format on

// Whatever brings the focus, the whole text is selected and typing replaces it.
void BehaviourTest::focusSelectsWholeText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, arrival);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    click(QStringLiteral("optYesNo1"));
    click(QStringLiteral("chkMsgBoxHelpButton"));
    QWidget* box = control(field);
    box->setProperty("text", text);
    showTabOf(box);

    if (arrival == u"Tab") {
        QWidget* before = box->previousInFocusChain();
        while (!before->isEnabled() || !before->isVisible() || !(before->focusPolicy() & Qt::TabFocus))
            before = before->previousInFocusChain();
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
    } else if (arrival == u"click") {
        click(field);
    } else {
        box->setFocus();
    }
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->inputMethodQuery(Qt::ImCurrentSelection).toString().size(), text.size() - text.count(u'\r'));
    QTest::keyClicks(box, typed);
    QCOMPARE(box->property("text").toString(), after);
}

// The link turns red under the pointer, and blue again only over the frame
// around it, the tab control or the bare window.
void BehaviourTest::linkFollowsPointer()
{
    auto* link = control<QLabel>(QStringLiteral("lblLink"));
    showTabOf(link);
    const QColor blue(0, 0, 255), red(255, 0, 0);
    const struct {
        const char* surface;
        QPoint at;
        QColor colour;
    } moves[] = {
        {"lblLink", {8, 8}, red},    {"Label8", {2, 2}, red},
        {"cmdTry", {2, 2}, red},     {"chkMsgBoxHelpButton", {2, 2}, red},
        {"fraHelp", {2, 2}, red},    {"txtTopicID", {2, 2}, red},
        {"Frame2", {4, 4}, blue},    {"lblLink", {8, 8}, red},
        {"SSTab1", {8, 440}, blue},  {"lblLink", {8, 8}, red},
        {"tabStrip", {2, 2}, blue},  {"lblLink", {8, 8}, red},
        {"frmMain", {4, 470}, blue},
    };
    for (const auto& move : moves) {
        QTest::mouseMove(control(QString::fromLatin1(move.surface)), move.at);
        QVERIFY2(link->palette().color(QPalette::WindowText) == move.colour, move.surface);
    }
    QCOMPARE(link->text(), QStringLiteral("Tarnwick Computer Solutions"));
    QVERIFY(link->font().underline());
}

QTEST_MAIN(BehaviourTest)
#include "BehaviourTest.moc"
