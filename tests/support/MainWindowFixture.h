// The fixture of the Qt main window's tests: a fresh window for each test function, and the clicks, typing
// and pasting a person does on it.
#pragma once

#include "platform/RecordingPlatform.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/TabControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using Steps = std::vector<std::string>;

// A freshly loaded main window for each test function, shown and active,
// with a recording platform behind it, and the moves a person makes on it.
class MainWindowFixture : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform = std::make_unique<vellumet::testing::RecordingPlatform>();
        window = std::make_unique<vellumet::QtMainWindow>(*platform);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        platform.reset();
    }

protected:
    // A control by name; the window's own name gives the window.
    template <class Widget = QWidget>
    Widget* control(const QString& name) const
    {
        auto* widget =
            name == window->objectName() ? qobject_cast<Widget*>(window.get()) : window->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    vellumet::TabControl* tabs() const { return control<vellumet::TabControl>(QStringLiteral("SSTab1")); }

    void showTabOf(QWidget* widget) const
    {
        for (int tab = 0; tab < tabs()->count(); ++tab)
            if (tabs()->page(tab)->isAncestorOf(widget))
                tabs()->setCurrentIndex(tab);
    }

    // Clicks a control in its middle, on its own tab.
    void click(const QString& name) const
    {
        QWidget* widget = control(name);
        showTabOf(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QCoreApplication::processEvents();
    }

    bool checked(const QString& name) const { return control<QAbstractButton>(name)->isChecked(); }

    // Types the keys into a field; CR LF is the Enter key.
    static void TypeKeys(QWidget* field, const QString& keys)
    {
        const QStringList lines = keys.split(QStringLiteral("\r\n"));
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0)
                QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClicks(field, lines[line]);
        }
    }

    // Does what each step of a case table says: "click:NAME", "type:NAME:KEYS"
    // (clicking into the field first) or "key:KEY", a key pressed where the focus is.
    void performAll(const Steps& steps) const
    {
        for (const std::string& step : steps) {
            const QString text = QString::fromStdString(step);
            const QString name = text.section(u':', 1, 1);
            if (text.startsWith(u"click:")) {
                click(name);
            } else if (text.startsWith(u"type:")) {
                click(name);
                TypeKeys(control(name), text.section(u':', 2));
            } else if (text.startsWith(u"key:")) {
                QTest::keyClick(QApplication::focusWidget(), QKeySequence(name)[0].key());
            } else {
                qFatal("unknown step %s", step.c_str());
            }
        }
    }

    static void Paste(QWidget* field, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(field, QKeySequence::Paste);
    }

    std::unique_ptr<vellumet::testing::RecordingPlatform> platform;
    std::unique_ptr<vellumet::QtMainWindow> window;
};
