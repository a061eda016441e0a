// The message box of the Linux program, drawn by Qt from the published style word.
#pragma once

#include "codegen/MessageBoxStyle.h"
#include "platform/Platform.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace vellumet {

// The message box that a style word describes: the buttons of its set in the
// set's own order, then Help; the default button focused; the set's icon.
// exec() returns the answer code of the button clicked. Help runs the
// openHelp callback and leaves the box open. As on Windows, the first letter
// of an answer button's caption presses it, F1 presses Help, and Ctrl+C
// copies the box's text.
class MessageBoxDialog : public QDialog {
    Q_OBJECT

public:
    using HelpOpener = std::function<void(const HelpReference&)>;

    MessageBoxDialog(const MessageBoxRequest& request, HelpOpener openHelp, QWidget* parent = nullptr);

    // The buttons in the order they stand, Help last when there is one.
    const std::vector<QPushButton*>& buttons() const { return m_buttons; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* promptArea(QLabel* prompt, int tallest);
    void addAnswerButton(Answer answer);
    void addHelpButton(const std::optional<HelpReference>& help, HelpOpener openHelp);
    std::optional<Answer> escapeAnswer() const;

    BoxLayout m_layout;
    std::vector<QPushButton*> m_buttons;
    QString m_copiedText;
};

} // namespace vellumet
