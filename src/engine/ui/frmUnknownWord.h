// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tembusa {

// The unknown-word dialog: the user gives a meaning for a word the
// dictionary lacks, marks it as never to be translated, cancels, looks at
// the dictionary or stops the translation.
class frmUnknownWord : public QDialog
{
    Q_OBJECT

public:
    explicit frmUnknownWord(const QString& word, QWidget* parent = nullptr);

    // The answer after the dialog closed: "+", TAB, word, TAB, the meaning;
    // "?", TAB, word, TAB; "^"; or empty (Stop).
    QString Answer() const { return m_Answer; }

    void cmdTambah_Click();
    void cmdBatal_Click();
    void cmdTolak_Click();
    void cmdLihKamus_Click();
    void cmdStop_Click();

    // Escape does not close the dialog: only its buttons do.
    void reject() override {}

private:
    void Finish(const QString& answer);
    QPushButton* AddButton(const QString& name, const QString& caption,
                           void (frmUnknownWord::*slot)());

    QString m_Word;
    QString m_Answer;
};

} // namespace tembusa
