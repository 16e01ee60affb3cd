// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tembusa {

// The meaning-choice dialog: the user picks one of a word's meanings, adds
// another, keeps the English word (Escape) or stops the translation.
class frmWordSelect : public QDialog
{
    Q_OBJECT

public:
    // word goes to lblKata, meanings to List1 with the first selected.
    frmWordSelect(const QString& word, const QStringList& meanings, QWidget* parent = nullptr);

    // The answer after the dialog closed: the chosen entry, TAB, its list
    // position; "+", TAB, word, TAB, a new meaning; or empty (Escape, Stop).
    QString Answer() const { return m_Answer; }

    QListWidget* List1() const { return m_List1; }

    void cmdTambah_Click();
    void cmdStop_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(const QListWidgetItem* item, bool trimmed);
    void Finish(const QString& answer);

    QString m_Word;
    QString m_Answer;
    QLabel* m_lblKata;
    QListWidget* m_List1;
    QPushButton* m_cmdTambah;
    QPushButton* m_cmdStop;
};

} // namespace tembusa
