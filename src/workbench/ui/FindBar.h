// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rumbela {

class TextPane;

// The small find and replace bar under the documents. It searches the pane
// that Target gives (the focused pane of the active document), from its
// caret, wrapping at the end, and says in the bar when it wrapped or found
// nothing: no box interrupts the typing. Enter finds the next place,
// Shift+Enter the previous one, Escape closes the bar and gives the focus
// back to the pane.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget* parent = nullptr);

    // The pane to search; nullptr when there is none.
    void SetTarget(std::function<TextPane*()> target) { m_Target = std::move(target); }

    // Shows the bar, with the replace row when replace is true, the text to
    // find taken from the pane's selection when it is on one line, and the
    // focus in the find field.
    void ShowBar(bool replace);

    // Selects the next (or previous) place of the text to find in the target
    // pane. Without a text to find the bar opens instead. False when the
    // text is nowhere in the pane.
    bool FindNext(bool backward = false);

    // Replaces the selected place when it is the text to find, then finds
    // the next one.
    void Replace();

    // Replaces every place in the pane as one edit (one Undo takes it back);
    // returns how many were replaced.
    int ReplaceAll();

    QLineEdit* txtFind() const { return m_txtFind; }
    QLineEdit* txtReplace() const { return m_txtReplace; }
    QCheckBox* chkMatchCase() const { return m_chkMatchCase; }
    QLabel* lblFindStatus() const { return m_lblFindStatus; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextPane* Target() const;
    bool Matches(const QString& selected) const;
    void CloseBar();
    void SetStatus(const QString& text);

    std::function<TextPane*()> m_Target;
    QLineEdit* m_txtFind;
    QLineEdit* m_txtReplace;
    QCheckBox* m_chkMatchCase;
    QLabel* m_lblFindStatus;
    QWidget* m_ReplaceRow;
};

} // namespace rumbela
