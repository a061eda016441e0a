#pragma once

#include "codegen/MessageBoxOptions.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vellumet {

class MultiLineTextBox;
class TabControl;

// The working window: the choices of a message box on four tabs, and the
// command buttons below them. Every control carries its name as object name.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // Loads the window: builds it hidden, in its start state, and runs Form_Load.
    explicit frmMain(QWidget* parent = nullptr);

    // The choices as the code generator reads them, taken now.
    MessageBoxOptions Snapshot() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ButtonOptionPlace;
    struct IconOptionPlace;
    static const ButtonOptionPlace ButtonOptions[];
    static const IconOptionPlace IconOptions[];

    void Form_Load();

    void BuildGeneralTab(QWidget* tab);
    void BuildStyleTab(QWidget* tab);
    void BuildHelpButtonTab(QWidget* tab);
    void BuildCommandButtons();
    void SetTabOrder();

    TabControl* SSTab1;
    QLabel* Image2;

    QLabel* Label1;
    QLineEdit* txtTitle;
    QLabel* Label2;
    MultiLineTextBox* txtBody;
    QCheckBox* chkSystemModal;
    QRadioButton* optText;
    QRadioButton* optValue;

    QFrame* Frame1;
    QLabel* Label3;
    QPushButton* optNoIcon;
    QLabel* Label4;
    QPushButton* optCritical;
    QLabel* Label5;
    QPushButton* optQuestion;
    QLabel* Label6;
    QPushButton* optExclamation;
    QLabel* Label7;
    QPushButton* optInformation;

    QFrame* Frame3;
    QPushButton* optOKOnly;
    QPushButton* optOKCancel1;
    QPushButton* optOKCancel2;
    QPushButton* optAbortRetryIgnore1;
    QPushButton* optAbortRetryIgnore2;
    QPushButton* optAbortRetryIgnore3;
    QPushButton* optYesNoCancel1;
    QPushButton* optYesNoCancel2;
    QPushButton* optYesNoCancel3;
    QPushButton* optYesNo1;
    QPushButton* optYesNo2;
    QPushButton* optRetryCancel1;
    QPushButton* optRetryCancel2;
    QLabel* Label13;
    QLabel* lblDefault;

    QGroupBox* fraVar;
    QLabel* lblVariable;
    QLineEdit* txtVariable;

    QCheckBox* chkMsgBoxHelpButton;
    QGroupBox* fraHelp;
    QLabel* lblHelpFile;
    QLineEdit* txtHelpFile;
    QPushButton* cmdBrowse;
    QCheckBox* chkAppPathHelpFile;
    QLabel* lblTopicID;
    QLineEdit* txtTopicID;
    QCheckBox* chkHelpButtonDefault;
    QGroupBox* Frame2;
    QLabel* Label8;
    QLabel* lblLink;

    QPushButton* cmdTry;
    QPushButton* cmdReset;
    QPushButton* cmdCopy;
    QPushButton* cmdHelp;
    QPushButton* cmdExit;

    bool placed = false;
};

} // namespace vellumet
