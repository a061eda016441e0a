// The multi-line text field: its text read with CR LF line breaks, and its length limit kept against typing,
// input methods and pasting.
#include "MultiLineTextBox.h"

#include "codegen/LineBreaks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace vellumet {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The limit counts a line break (CR LF, CR or LF) as two characters, and
// never splits one, nor a surrogate pair.
struct CountedUnit {
    qsizetype size;
    int counted;
};

CountedUnit UnitAt(QStringView text, qsizetype i)
{
    if (const qsizetype lineBreak = LineBreakAt(text, i))
        return {lineBreak, 2};
    const qsizetype size = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    return {size, int(size)};
}

int CountedLength(QStringView text)
{
    int length = 0;
    for (qsizetype i = 0; i < text.size();) {
        const CountedUnit unit = UnitAt(text, i);
        length += unit.counted;
        i += unit.size;
    }
    return length;
}

// As much of the text as the room takes, cut between whole units.
QString FittedText(const QString& text, int room)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const CountedUnit unit = UnitAt(text, i);
        if (unit.counted > room)
            break;
        room -= unit.counted;
        i += unit.size;
    }
    return text.left(i);
}

} // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

QString MultiLineTextBox::text() const
{
    // Read block by block: toPlainText() would also turn line separators and
    // non-breaking spaces into something else than what was typed.
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines.join(LineBreak);
}

void MultiLineTextBox::setText(const QString& text) { setPlainText(FittedText(text, limit)); }

int MultiLineTextBox::length() const { return int(document()->characterCount()) - 1 + (document()->blockCount() - 1); }

int MultiLineTextBox::room() const
{
    return limit - length() + CountedLength(textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
}

QString MultiLineTextBox::fitted(const QString& text) const { return FittedText(text, std::max(room(), 0)); }

void MultiLineTextBox::keyPressEvent(QKeyEvent* event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Shift+Enter would insert a line separator, which reads as no line break at all.
    if (lineBreak && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (room() < 2)
            QApplication::beep();
        else
            insertPlainText(QStringLiteral("\n"));
        return;
    }
    const QString typed = event->text();
    if (!lineBreak && !typed.isEmpty() && typed.front().isPrint() && CountedLength(typed) > room()) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        event->setCommitString(fitted(event->commitString()), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString pasted = source->text();
    const QString kept = fitted(pasted);
    if (kept.size() < pasted.size())
        QApplication::beep();
    insertPlainText(kept);
}

void MultiLineTextBox::Select(int start, int end)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

} // namespace vellumet
