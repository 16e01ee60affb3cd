// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/FindBar.h"

#include "workbench/ui/TextPane.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

namespace rumbela {

namespace {

QPushButton* AddButton(QGridLayout* grid, int row, int column, const QString& name,
                       const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    grid->addWidget(button, row, column);
    return button;
}

} // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), m_txtFind(new QLineEdit(this)), m_txtReplace(new QLineEdit(this)),
      m_chkMatchCase(new QCheckBox(QStringLiteral("Match &case"), this)),
      m_lblFindStatus(new QLabel(this)), m_ReplaceRow(new QWidget(this))
{
    setObjectName(QStringLiteral("FindBar"));
    m_txtFind->setObjectName(QStringLiteral("txtFind"));
    m_txtReplace->setObjectName(QStringLiteral("txtReplace"));
    m_chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    m_lblFindStatus->setObjectName(QStringLiteral("lblFindStatus"));
    m_txtFind->setPlaceholderText(QStringLiteral("Find"));
    m_txtReplace->setPlaceholderText(QStringLiteral("Replace with"));
    m_txtFind->setClearButtonEnabled(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(m_txtFind, 0, 0);
    QPushButton* next =
        AddButton(grid, 0, 1, QStringLiteral("cmdFindNext"), QStringLiteral("&Next"));
    QPushButton* previous =
        AddButton(grid, 0, 2, QStringLiteral("cmdFindPrev"), QStringLiteral("Pre&vious"));
    grid->addWidget(m_chkMatchCase, 0, 3);
    grid->addWidget(m_lblFindStatus, 0, 4);
    grid->setColumnStretch(4, 1);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("cmdFindClose"));
    close->setText(QStringLiteral("X"));
    close->setToolTip(QStringLiteral("Close the find bar (Esc)"));
    close->setAutoRaise(true);
    grid->addWidget(close, 0, 5);

    auto* row = new QHBoxLayout(m_ReplaceRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_txtReplace);
    auto* replaceGrid = new QGridLayout;
    row->addLayout(replaceGrid);
    QPushButton* replace =
        AddButton(replaceGrid, 0, 0, QStringLiteral("cmdReplace"), QStringLiteral("&Replace"));
    QPushButton* replaceAll = AddButton(replaceGrid, 0, 1, QStringLiteral("cmdReplaceAll"),
                                        QStringLiteral("Replace &All"));
    grid->addWidget(m_ReplaceRow, 1, 0, 1, 3);

    connect(next, &QPushButton::clicked, this, [this] { FindNext(false); });
    connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
    connect(replace, &QPushButton::clicked, this, &FindBar::Replace);
    connect(replaceAll, &QPushButton::clicked, this, &FindBar::ReplaceAll);
    connect(close, &QToolButton::clicked, this, &FindBar::CloseBar);
    connect(m_txtFind, &QLineEdit::textEdited, this, [this] { SetStatus(QString()); });
    m_txtFind->installEventFilter(this);
    m_txtReplace->installEventFilter(this);
    hide();
}

void FindBar::ShowBar(bool replace)
{
    if (TextPane* pane = Target()) {
        const QString selected = pane->textCursor().selectedText();
        // A selection over several lines is not what anyone searches for.
        if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
            m_txtFind->setText(selected);
    }
    m_ReplaceRow->setVisible(replace);
    SetStatus(QString());
    show();
    m_txtFind->setFocus(Qt::ShortcutFocusReason);
    m_txtFind->selectAll();
}

bool FindBar::FindNext(bool backward)
{
    const QString text = m_txtFind->text();
    TextPane* pane = Target();
    if (text.isEmpty() || !pane) {
        ShowBar(false);
        return false;
    }
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    if (m_chkMatchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    QTextDocument* document = pane->document();
    QTextCursor found = document->find(text, pane->textCursor(), flags);
    QString status;
    if (found.isNull()) {
        // Wrap to the other end of the text once.
        QTextCursor from(document);
        if (backward)
            from.movePosition(QTextCursor::End);
        found = document->find(text, from, flags);
        status = found.isNull() ? QStringLiteral("Not found") : QStringLiteral("Wrapped");
    }
    SetStatus(status);
    if (found.isNull())
        return false;
    pane->setTextCursor(found);
    pane->ensureCursorVisible();
    return true;
}

void FindBar::Replace()
{
    TextPane* pane = Target();
    if (!pane || m_txtFind->text().isEmpty())
        return;
    QTextCursor cursor = pane->textCursor();
    if (Matches(cursor.selectedText())) {
        cursor.insertText(m_txtReplace->text());
        pane->setTextCursor(cursor);
    }
    FindNext(false);
}

int FindBar::ReplaceAll()
{
    TextPane* pane = Target();
    const QString text = m_txtFind->text();
    if (!pane || text.isEmpty())
        return 0;
    QTextDocument::FindFlags flags;
    if (m_chkMatchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    QTextDocument* document = pane->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    int count = 0;
    for (QTextCursor found = document->find(text, 0, flags); !found.isNull();
         found = document->find(text, found, flags)) {
        found.insertText(m_txtReplace->text());
        ++count;
    }
    edit.endEditBlock();
    SetStatus(count == 0 ? QStringLiteral("Not found") : QStringLiteral("%1 replaced").arg(count));
    return count;
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            CloseBar();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_txtReplace)
                Replace();
            else
                FindNext(key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TextPane* FindBar::Target() const
{
    return m_Target ? m_Target() : nullptr;
}

bool FindBar::Matches(const QString& selected) const
{
    return selected.compare(m_txtFind->text(), m_chkMatchCase->isChecked()
                                                   ? Qt::CaseSensitive
                                                   : Qt::CaseInsensitive) == 0;
}

void FindBar::CloseBar()
{
    hide();
    if (TextPane* pane = Target())
        pane->setFocus(Qt::OtherFocusReason);
}

void FindBar::SetStatus(const QString& text)
{
    m_lblFindStatus->setText(text);
}

} // namespace rumbela
