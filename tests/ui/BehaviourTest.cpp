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
    void typedVariableIsLostWithOKOnly();
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

static const QStringList HelpDetails{"lblHelpFile", "txtHelpFile",          "chkAppPathHelpFile", "lblTopicID",
                                     "txtTopicID",  "cmdBrowse",            "chkHelpButtonDefault"};

QStringList BehaviourTest::enabledOf(const QStringList& names) const
{
    QStringList enabled;
    for (const QString& name : names)
        if (control(name)->isEnabled())
            enabled << name;
    return enabled;
}

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
}

void BehaviourTest::typedVariableIsLostWithOKOnly()
{
    click(QStringLiteral("optYesNo1"));
    typeInto(QStringLiteral("txtVariable"), QStringLiteral("Choice"));
    click(QStringLiteral("optOKOnly"));
    click(QStringLiteral("optYesNo1"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtVariable"))->text(), QStringLiteral("Response"));
    QVERIFY(control(QStringLiteral("txtVariable"))->isEnabled());
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
    const auto helpFile = [this] { return control<QLineEdit>(QStringLiteral("txtHelpFile"))->text(); };
    const auto topic = [this] { return control<QLineEdit>(QStringLiteral("txtTopicID"))->text(); };
    const QStringList checks{"chkAppPathHelpFile", "chkHelpButtonDefault"};
    const auto anyChecked = [&] { return checked(checks[0]) || checked(checks[1]); };

    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(enabledOf(HelpDetails), HelpDetails);
    QCOMPARE(helpFile(), QString());
    QCOMPARE(topic(), QStringLiteral("0"));
    QVERIFY(!anyChecked());

    typeInto(QStringLiteral("txtHelpFile"), QStringLiteral("\\Orders.chm"));
    typeInto(QStringLiteral("txtTopicID"), QStringLiteral("25"));
    for (const QString& check : checks)
        click(check);
    QCOMPARE(topic(), QStringLiteral("25"));
    QCOMPARE(defaultLabel(), QStringLiteral("Help"));

    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(enabledOf(HelpDetails), QStringList());
    QCOMPARE(helpFile(), QString());
    QCOMPARE(topic(), QStringLiteral("0"));
    QVERIFY(!anyChecked());
    QCOMPARE(defaultLabel(), QStringLiteral("OK"));

    click(QStringLiteral("chkMsgBoxHelpButton"));
    QCOMPARE(enabledOf(HelpDetails), HelpDetails);
    QCOMPARE(helpFile(), QString());
    QCOMPARE(topic(), QStringLiteral("0"));
    QVERIFY(!anyChecked());
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
    const FileOpenRequest request{"Select help file",
                                  {{"Windows Help Files", "*.hlp"}, {"Compiled HTML Help Files", "*.chm"}, {"All Files", "*.*"}}};
    QVERIFY(platform->fileRequests == std::vector<FileOpenRequest>{request});

    typeInto(QStringLiteral("txtHelpFile"), QStringLiteral("edited"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtHelpFile"))->text(), QStringLiteral("edited"));
}

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
    const auto colour = [link] { return link->palette().color(QPalette::WindowText); };
    const QColor blue(0, 0, 255), red(255, 0, 0);
    const auto moveOver = [this](const QString& name, QPoint at = QPoint(2, 2)) {
        QTest::mouseMove(control(name), at);
        QCoreApplication::processEvents();
    };

    moveOver(QStringLiteral("lblLink"), link->rect().center());
    QCOMPARE(colour(), red);
    for (const char* other : {"Label8", "cmdTry", "chkMsgBoxHelpButton", "fraHelp", "txtTopicID"}) {
        moveOver(QString::fromLatin1(other));
        QVERIFY2(colour() == red, other);
    }
    const std::pair<const char*, QPoint> blueSurfaces[] = {
        {"Frame2", QPoint(4, 4)}, {"SSTab1", QPoint(8, 440)}, {"tabStrip", QPoint(2, 2)}, {"frmMain", QPoint(4, 470)}};
    for (const auto& [surface, at] : blueSurfaces) {
        moveOver(QStringLiteral("lblLink"), link->rect().center());
        QCOMPARE(colour(), red);
        if (QLatin1String(surface) == QLatin1String("frmMain")) {
            QTest::mouseMove(window.get(), at);
            QCoreApplication::processEvents();
        } else {
            moveOver(QString::fromLatin1(surface), at);
        }
        QVERIFY2(colour() == blue, surface);
    }
    QCOMPARE(link->text(), QStringLiteral("Tarnwick Computer Solutions"));
    QVERIFY(link->font().underline());
}

QTEST_MAIN(BehaviourTest)
#include "BehaviourTest.moc"
