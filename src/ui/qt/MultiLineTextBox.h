// A Qt multi-line text field that reads and counts its line breaks as CR LF.
#pragma once

#include <QPlainTextEdit>

namespace vellumet {

// A multi-line text field whose text reads with CR LF at every line break and
// whose length limit counts each line break as those two characters. Enter
// inserts a line break; Tab moves the focus on.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText USER true)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    int maxLength() const { return limit; }
    void setMaxLength(int length) { limit = length; }

    // Selects from one position to another, each counting a line break as one.
    void Select(int start, int end);

    // The length as the limit counts it.
    int length() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many characters may still be inserted in place of the selection.
    int room() const;
    // As much of the text as fits the room, cut at a whole character and a whole line break.
    QString fitted(const QString& text) const;

    int limit = 32767;
};

} // namespace vellumet
