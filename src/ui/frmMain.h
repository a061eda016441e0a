#pragma once

#include "codegen/BuildCode.h"
#include "codegen/MessageBoxOptions.h"
#include "platform/Platform.h"

#include <QWidget>

class QCheckBox;
class QFrame;
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
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // The choices as the code generator reads them, taken now.
    MessageBoxOptions Snapshot() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum Tab { AboutTab, GeneralTab, StyleTab, HelpButtonTab };

    struct ButtonOptionPlace;
    struct IconOptionPlace;
    static const ButtonOptionPlace ButtonOptions[];
    static const IconOptionPlace IconOptions[];

    void Form_Load();
    void Form_Unload(int& Cancel);

    void optOKOnly_Click();
    void optOKCancel1_Click();
    void optOKCancel2_Click();
    void optAbortRetryIgnore1_Click();
    void optAbortRetryIgnore2_Click();
    void optAbortRetryIgnore3_Click();
    void optYesNoCancel1_Click();
    void optYesNoCancel2_Click();
    void optYesNoCancel3_Click();
    void optYesNo1_Click();
    void optYesNo2_Click();
    void optRetryCancel1_Click();
    void optRetryCancel2_Click();
    void ButtonOption_Click(ButtonChoice choice);
    void chkHelpButtonDefault_Click();
    void UpdateDefaultLabel();

    void chkMsgBoxHelpButton_Click();
    void cmdBrowse_Click();

    void cmdTry_Click();
    void cmdCopy_Click();
    void cmdReset_Click();
    void cmdHelp_Click();
    void cmdExit_Click();
    void lblLink_Click();
    void Generate(GenerateMode mode);
    void Refuse(GenerateFailure failure);
    void ShowField(int tab, QWidget* field);

    void txtTitle_GotFocus();
    void txtBody_GotFocus();
    void txtVariable_GotFocus();
    void txtHelpFile_GotFocus();
    void txtTopicID_GotFocus();

    void lblLink_MouseMove();
    void Frame2_MouseMove();
    void SSTab1_MouseMove();
    void Form_MouseMove();

    void BuildGeneralTab(QWidget* tab);
    void BuildStyleTab(QWidget* tab);
    void BuildHelpButtonTab(QWidget* tab);
    void BuildCommandButtons();
    void SetTabOrder();
    void ConnectHandlers();
    WindowHandle Handle();

    Platform& platform;

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

    QFrame* fraVar;
    QLabel* lblVariable;
    QLineEdit* txtVariable;

    QCheckBox* chkMsgBoxHelpButton;
    QFrame* fraHelp;
    QLabel* lblHelpFile;
    QLineEdit* txtHelpFile;
    QPushButton* cmdBrowse;
    QCheckBox* chkAppPathHelpFile;
    QLabel* lblTopicID;
    QLineEdit* txtTopicID;
    QCheckBox* chkHelpButtonDefault;
    QFrame* Frame2;
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
