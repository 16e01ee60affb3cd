// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace rumbela {

// The debug output window "Debug - stdout": a read-only text area txtOut
// with the pop-up menu MEdit ("&Copy" the whole text to the clipboard,
// "&Save to file..." always disabled, "C&lear"). The frame docks it at the
// bottom, hidden at start; its text stays while it is hidden.
class frmOutput : public QWidget
{
    Q_OBJECT

public:
    explicit frmOutput(QWidget* parent = nullptr);

    QPlainTextEdit* txtOut() const { return m_txtOut; }
    QMenu* MEdit() const { return m_MEdit; }

    // "&Copy": the whole text to the clipboard, also when it is empty.
    void Copy();
    // "C&lear": empties the text.
    void Clear();

private:
    void ShowMenu(const QPoint& position);

    QPlainTextEdit* m_txtOut;
    QMenu* m_MEdit;
};

} // namespace rumbela
