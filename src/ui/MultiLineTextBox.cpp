#include "MultiLineTextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace vellumet {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The characters a piece of inserted text adds: each line break (CR LF, CR or LF) is two.
int CountedLength(QStringView text, qsizetype* cut = nullptr, int room = -1)
{
    int length = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype step = 1;
        int weight = 1;
        if (text[i] == u'\r' || text[i] == u'\n') {
            step = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
            weight = 2;
        } else if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            step = 2;
            weight = 2;
        }
        if (room >= 0 && length + weight > room)
            break;
        length += weight;
        i += step;
    }
    if (cut)
        *cut = i;
    return length;
}

QString FittedText(const QString& text, int room)
{
    qsizetype cut = 0;
    CountedLength(text, &cut, room);
    return text.left(cut);
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

int MultiLineTextBox::length() const
{
    return int(document()->characterCount()) - 1 + (document()->blockCount() - 1);
}

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
    const QString commit = event->commitString();
    if (!commit.isEmpty() && CountedLength(commit) > room())
        event->setCommitString(fitted(commit), event->replacementStart(), event->replacementLength());
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

} // namespace vellumet
