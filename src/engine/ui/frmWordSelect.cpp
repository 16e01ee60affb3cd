// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/frmWordSelect.h"

#include "engine/ui/DialogLook.h"
#include "platform/AsciiCase.h"
#include "platform/MeaningInput.h"
#include "platform/StopFlag.h"

#include <tembusa/ui.h>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembusa {

frmWordSelect::frmWordSelect(const QString& word, const QStringList& meanings, QWidget* parent)
    : QDialog(parent), m_Word(word), m_lblKata(new QLabel(word, this)),
      m_List1(new QListWidget(this)),
      m_cmdTambah(new QPushButton(QStringLiteral("&Tambah Arti Lain"), this)),
      m_cmdStop(new QPushButton(QStringLiteral("&Stop"), this))
{
    setObjectName(QStringLiteral("frmWordSelect"));
    setWindowTitle(QStringLiteral("Select Correct Word for this context"));
    ApplyDialogLook(this);

    auto* caption = new QLabel(QStringLiteral("Kata yang diproses"), this);
    m_lblKata->setObjectName(QStringLiteral("lblKata"));
    QFont bold = m_lblKata->font();
    bold.setBold(true);
    m_lblKata->setFont(bold);
    m_lblKata->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_lblKata->setMinimumWidth(180);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(caption);
    wordRow->addWidget(m_lblKata, 1);

    auto* help = new QLabel(QStringLiteral("Kata diatas mempunyai banyak arti. Tolong Pilih salah "
                                           "satu kata yang benar untuk kontek ini. ESC untuk "
                                           "membatalkan."),
                            this);
    help->setWordWrap(true);

    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->addItems(meanings);
    m_List1->setCurrentRow(0);
    m_List1->installEventFilter(this);
    m_List1->setMinimumHeight(120);

    m_cmdTambah->setObjectName(QStringLiteral("cmdTambah"));
    m_cmdStop->setObjectName(QStringLiteral("cmdStop"));
    // Enter belongs to the list: no button takes it.
    m_cmdTambah->setAutoDefault(false);
    m_cmdStop->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdTambah);
    buttons->addWidget(m_cmdStop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(wordRow);
    layout->addWidget(help);
    layout->addWidget(m_List1);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(m_List1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Choose(item, false); });
    connect(m_cmdTambah, &QPushButton::clicked, this, &frmWordSelect::cmdTambah_Click);
    connect(m_cmdStop, &QPushButton::clicked, this, &frmWordSelect::cmdStop_Click);
    m_List1->setFocus();
    FixSizeAndCentre(this);
}

void frmWordSelect::Finish(const QString& answer)
{
    m_Answer = answer;
    done(answer.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
}

void frmWordSelect::Choose(const QListWidgetItem* item, bool trimmed)
{
    if (!item)
        return;
    const QString text = trimmed ? TrimBlanks(item->text()) : item->text();
    Finish(text + QLatin1Char('\t') + QString::number(m_List1->row(item)));
}

void frmWordSelect::cmdTambah_Click()
{
    const QString answer = AskNewMeaning(CurrentUi(), m_Word);
    if (!answer.isEmpty())
        Finish(answer);
}

void frmWordSelect::cmdStop_Click()
{
    g_StopFlag = true;
    Finish(QString());
}

bool frmWordSelect::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose(m_List1->currentItem(), true);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Finish(QString());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tembusa
