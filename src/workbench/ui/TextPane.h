// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/host.h>

#include <QPlainTextEdit>

namespace rumbela {

// A document's text pane: loads a file, gives and takes its plain text,
// saves it as plain text, and reports and sets its selection. Positions
// count UTF-16 units from 0, as the engine does, over the text Text()
// returns (line ends are single line feeds).
//
// The pane is what the engine borrows as its source pane (selection and
// focus) and as its target pane (file load).
class TextPane : public QPlainTextEdit, public tembusa::SourcePane, public tembusa::TargetPane
{
    Q_OBJECT

public:
    explicit TextPane(QWidget* parent = nullptr);

    // Replaces the text with the file's. When the file cannot be read the
    // text stays as it was, error names the file and false is returned.
    bool LoadTextFile(const QString& path, QString& error);

    // The engine's file load: LoadTextFile, a failure only leaving the text.
    void LoadFile(const QString& fileName) override;

    // Writes the text as plain UTF-8 text, replacing the file only once the
    // whole text is written. False with error naming the file on failure.
    bool SaveFile(const QString& path, QString& error) const;

    // The plain text, line ends as line feeds, every character kept.
    // Setting it (as a file load does) is not an edit: Edited stays quiet.
    QString Text() const;
    void Text(const QString& value);

    // Replaces the whole text as one edit, so that Undo brings back what the
    // pane held before.
    void ReplaceText(const QString& value);

    // Start of the selection (the caret when nothing is selected). Setting
    // it moves the caret there and clears the selection; positions outside
    // the text go to its nearer end.
    qint32 SelStart() const;
    void SelStart(qint32 value) override;

    // Length of the selection. Setting it selects that many characters from
    // the selection's start, up to the end of the text.
    qint32 SelLength() const;
    void SelLength(qint32 value) override;

    void SetFocus() override;

Q_SIGNALS:
    // A click with the left mouse button, after the caret has moved.
    void Clicked();

    // The text was edited (typed, pasted, replaced) for the first time since
    // it was set or marked unmodified (document()->setModified(false)).
    void Edited();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    qint32 LastPosition() const;

    bool m_Setting = false;
};

} // namespace rumbela
