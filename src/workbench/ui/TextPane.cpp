// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/TextPane.h"

#include "platform/TextCodec.h"
#include "workbench/DocumentText.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace rumbela {

TextPane::TextPane(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified && !m_Setting)
            Q_EMIT Edited();
    });
}

bool TextPane::LoadTextFile(const QString& path, QString& error)
{
    QString text;
    if (!tembusa::ReadTextFile(path, text, error))
        return false;
    Text(text);
    return true;
}

void TextPane::LoadFile(const QString& fileName)
{
    QString error;
    LoadTextFile(fileName, error);
}

bool TextPane::SaveFile(const QString& path, QString& error) const
{
    return WriteDocumentText(path, Text(), error);
}

QString TextPane::Text() const
{
    // The raw text keeps non-breaking spaces (plain text would turn them into
    // blanks); only the paragraph marks between blocks become line feeds.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void TextPane::Text(const QString& value)
{
    m_Setting = true;
    setPlainText(value);
    document()->setModified(false);
    m_Setting = false;
}

void TextPane::ReplaceText(const QString& value)
{
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(value);
    cursor.endEditBlock();
    setTextCursor(QTextCursor(document()));
}

qint32 TextPane::SelStart() const
{
    return qint32(textCursor().selectionStart());
}

void TextPane::SelStart(qint32 value)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(value, 0, LastPosition()));
    setTextCursor(cursor);
}

qint32 TextPane::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return qint32(cursor.selectionEnd() - cursor.selectionStart());
}

void TextPane::SelLength(qint32 value)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    const qint64 end = std::min<qint64>(qint64(start) + std::max(value, 0), LastPosition());
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TextPane::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void TextPane::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT Clicked();
}

qint32 TextPane::LastPosition() const
{
    // The document ends with one paragraph mark that is not part of the text.
    return qint32(document()->characterCount() - 1);
}

} // namespace rumbela
