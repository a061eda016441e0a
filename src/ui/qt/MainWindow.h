// The class of the Qt main window, frmMain's front end.
#pragma once

#include "ui/FrontEnd.h"
#include "ui/frmMain.h"

#include <QWidget>

#include <array>

namespace vellumet {

class TabControl;

// frmMain on Qt: builds its widgets from the layout table, reports what the
// user does to frmMain and shows the state frmMain sets. Every widget carries
// its control's name as object name.
class QtMainWindow : public QWidget, public MainWindowFrontEnd {
    Q_OBJECT

public:
    // When the widgets of the controls are made: at once, or on BuildControls,
    // so that the splash window can show first.
    enum class ControlsBuilt { Now, Later };

    // Loads the window hidden, in its start state; frmMain's Form_Load runs now.
    explicit QtMainWindow(Platform& platform, ControlsBuilt controls = ControlsBuilt::Now);

    // Makes the widgets of the controls, if they are not there yet; the window shows nothing before.
    void BuildControls();

    frmMain& Form() { return form; }
    QWidget* Widget(Control control) const { return widgets[static_cast<std::size_t>(control)]; }

    void Show(Control control, Property property) override;
    void ShowTab(int tab) override;
    void MoveFocus(Control control) override;
    void Unload() override;
    WindowHandle Handle() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildWindow(const ControlLayout& row);
    QWidget* Build(const ControlLayout& row);
    QWidget* ParentOf(const ControlLayout& row) const;
    void Connect(const ControlLayout& row);
    void SetTabOrder();
    void BindWindowKeys();
    void BindLabelKeys();

    frmMain form;
    std::array<QWidget*, ControlCount> widgets{};
    TabControl* tabs = nullptr;
    bool placed = false;
};

} // namespace vellumet
