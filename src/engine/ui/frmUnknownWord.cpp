// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/frmUnknownWord.h"

#include <tembusa/ui.h>

#include "engine/ui/DialogLook.h"
#include "platform/MeaningInput.h"
#include "platform/StopFlag.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembusa {

frmUnknownWord::frmUnknownWord(const QString& word, QWidget* parent) : QDialog(parent), m_Word(word)
{
    setObjectName(QStringLiteral("frmUnknownWord"));
    setWindowTitle(QStringLiteral("Unknown Word"));
    ApplyDialogLook(this);

    auto* caption = new QLabel(QStringLiteral("Kata diproses"), this);
    auto* lblKata = new QLabel(word, this);
    lblKata->setObjectName(QStringLiteral("lblKata"));
    QFont bold = lblKata->font();
    bold.setBold(true);
    lblKata->setFont(bold);
    lblKata->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblKata->setMinimumWidth(160);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(caption);
    wordRow->addWidget(lblKata, 1);

    auto* help = new QLabel(
        QStringLiteral("Kata diatas tidak ada dalam kamus, apa yang harus dilakukan."), this);
    help->setWordWrap(true);
    // Three lines; a label breaks lines at LF.
    auto* label4 = new QLabel(QStringLiteral("Tambah: (Ditambahkan di data kamus)\n"
                                             "Batal:  (Dibatalkan dan tampil lagi)\n"
                                             "Tolak:  (Tdk akan tampil lagi nanti)"),
                              this);
    label4->setObjectName(QStringLiteral("Label4"));

    auto* left = new QVBoxLayout;
    left->addLayout(wordRow);
    left->addWidget(help);
    left->addWidget(label4);
    left->addStretch();

    auto* right = new QVBoxLayout;
    QPushButton* tambah = AddButton(QStringLiteral("cmdTambah"), QStringLiteral("&Tambah"),
                                    &frmUnknownWord::cmdTambah_Click);
    right->addWidget(tambah);
    right->addWidget(AddButton(QStringLiteral("cmdBatal"), QStringLiteral("&Batal"),
                               &frmUnknownWord::cmdBatal_Click));
    right->addWidget(AddButton(QStringLiteral("cmdTolak"), QStringLiteral("&Tdk. Diartikan"),
                               &frmUnknownWord::cmdTolak_Click));
    right->addWidget(AddButton(QStringLiteral("cmdLihKamus"), QStringLiteral("Lihat &Kamus"),
                               &frmUnknownWord::cmdLihKamus_Click));
    right->addWidget(AddButton(QStringLiteral("cmdStop"), QStringLiteral("&Stop"),
                               &frmUnknownWord::cmdStop_Click));
    right->addStretch();
    // Enter is "Tambah".
    tambah->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    FixSizeAndCentre(this);
}

QPushButton* frmUnknownWord::AddButton(const QString& name, const QString& caption,
                                       void (frmUnknownWord::*slot)())
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void frmUnknownWord::Finish(const QString& answer)
{
    m_Answer = answer;
    accept();
}

void frmUnknownWord::cmdTambah_Click()
{
    const QString answer = AskNewMeaning(CurrentUi(), m_Word);
    if (!answer.isEmpty())
        Finish(answer);
}

void frmUnknownWord::cmdBatal_Click()
{
    Finish(QStringLiteral("^"));
}

void frmUnknownWord::cmdTolak_Click()
{
    Finish(QStringLiteral("?\t") + m_Word + QLatin1Char('\t'));
}

void frmUnknownWord::cmdLihKamus_Click()
{
    // The dictionary window is modal over the dialog, which keeps waiting.
    CurrentUi().ShowKamus(true);
}

void frmUnknownWord::cmdStop_Click()
{
    g_StopFlag = true;
    Finish(QString());
}

} // namespace tembusa
