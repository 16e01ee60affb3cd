// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/frmKamus.h"
#include "platform/BusyScope.h"

#include <tembusa/Collection.h>
#include <tembusa/Error.h>
#include <tembusa/ui.h>

#include "dictionary/FileKamus.h"
#include "dictionary/ui/FormMetrics.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace tembusa {
namespace {

constexpr int kColumns = 5;

QLabel* AddLabel(QWidget* form, const char* name, const QString& caption, const QRect& place)
{
    auto* label = new QLabel(caption, form);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

QLineEdit* AddTextBox(QWidget* form, const char* name, const QRect& place)
{
    auto* box = new QLineEdit(form);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
}

QPushButton* AddButton(QWidget* form, const char* name, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, form);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    // No button is the default: Enter in a text box adds nothing by itself.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmKamus::frmKamus(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmKamus"));
    setWindowTitle(QStringLiteral("Kamus Bahasa Indonesia"));
    UseFormFont(this);
    // The client area holds the controls with the grid's margin of 90 twips
    // on the right and below.
    setFixedSize(Twips(7410), Twips(5565));
    CreateControls();
    SetGridHeaders();
    LoadGrid();
    CentreWindowOnScreen(this);
}

void frmKamus::CreateControls()
{
    AddLabel(this, "Label1", QStringLiteral("Kata bhs. Inggris"), TwipsRect(135, 180, 1590, 255));
    txtEnglish = AddTextBox(this, "txtEnglish", TwipsRect(2820, 120, 1800, 315));
    AddLabel(this, "Label2", QStringLiteral("Arti bhs. Indonesia (umum)"),
             TwipsRect(135, 570, 2790, 255));
    txtIndo = AddTextBox(this, "txtIndo", TwipsRect(2820, 510, 1800, 315));
    AddLabel(this, "Label3", QStringLiteral("Kt. Benda"), TwipsRect(165, 930, 1215, 255));
    AddLabel(this, "Label4", QStringLiteral("Kt. Kerja"), TwipsRect(1785, 945, 1215, 255));
    AddLabel(this, "Label5", QStringLiteral("Kt. Sifat"), TwipsRect(3480, 930, 1215, 255));
    txtBenda = AddTextBox(this, "txtBenda", TwipsRect(180, 1230, 1575, 315));
    txtKerja = AddTextBox(this, "txtKerja", TwipsRect(1800, 1245, 1575, 315));
    txtSifat = AddTextBox(this, "txtSifat", TwipsRect(3495, 1230, 1575, 315));

    connect(
        AddButton(this, "cmdTambah", QStringLiteral("&Tambah"), TwipsRect(6000, 135, 1260, 315)),
        &QPushButton::clicked, this, &frmKamus::cmdTambah_Click);
    connect(AddButton(this, "cmdHapus", QStringLiteral("&Hapus"), TwipsRect(6000, 510, 1260, 315)),
            &QPushButton::clicked, this, &frmKamus::cmdHapus_Click);
    connect(AddButton(this, "cmdUbah", QStringLiteral("&Ubah"), TwipsRect(6000, 885, 1260, 315)),
            &QPushButton::clicked, this, &frmKamus::cmdUbah_Click);
    connect(
        AddButton(this, "cmdKeluar", QStringLiteral("&Keluar"), TwipsRect(6000, 1260, 1260, 315)),
        &QPushButton::clicked, this, &frmKamus::cmdKeluar_Click);

    MSFlexGrid1 = new QTableWidget(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(TwipsRect(90, 1680, 7230, 3795));
    MSFlexGrid1->setColumnCount(kColumns);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->verticalHeader()->setVisible(false);
    MSFlexGrid1->verticalHeader()->setDefaultSectionSize(Twips(255));
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    const int widths[kColumns] = {1800, 2100, 1000, 1000, 1000};
    for (int column = 0; column < kColumns; ++column)
        MSFlexGrid1->setColumnWidth(column, Twips(widths[column]));
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(true);
}

void frmKamus::SetGridHeaders()
{
    MSFlexGrid1->setRowCount(0);
    MSFlexGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("English"), QStringLiteral("Indonesia"), QStringLiteral("Kt. Benda"),
         QStringLiteral("Kt. Kerja"), QStringLiteral("Kt. Sifat")});
}

void frmKamus::LoadGrid()
{
    const BusyScope busy;
    Ui& ui = CurrentUi();
    const qint32 count = KamusIndo().XCount();
    MSFlexGrid1->setRowCount(count);
    ui.ShowProgress();
    ui.SetProgressValue(0);
    ui.SetProgressMax(count + 2);
    ui.SetProgressStatus(QStringLiteral("Loading..."));
    for (qint32 i = 1; i <= count; ++i) {
        // The collection may shrink while events are handled.
        if (i > KamusIndo().XCount() || i > MSFlexGrid1->rowCount())
            break;
        SetTextMatrix(i, 0, KamusIndo().XKey(i));
        SetTextMatrix(i, 1, KamusIndo().XItem(i));
        ui.SetProgressValue(i);
        ui.ProcessEvents();
    }
    ui.CloseProgress();
}

void frmKamus::cmdTambah_Click()
{
    const QString english = txtEnglish->text();
    const QString indo = txtIndo->text();
    if (english.isEmpty() && indo.isEmpty())
        return;
    try {
        KamusIndo().XAdd(indo, english);
    } catch (const Error& error) {
        CurrentUi().ErrorBox(error.description());
        return;
    }
    const int row = MSFlexGrid1->rowCount() + 1;
    MSFlexGrid1->setRowCount(row);
    SetTextMatrix(row, 0, english);
    SetTextMatrix(row, 1, indo);
    txtEnglish->clear();
    txtIndo->clear();
}

void frmKamus::cmdHapus_Click()
{
    const int row = GridRow();
    if (row < 1)
        return;
    try {
        KamusIndo().XRemove(row);
    } catch (const Error& error) {
        CurrentUi().ErrorBox(error.description());
        return;
    }
    MSFlexGrid1->removeRow(row - 1);
}

void frmKamus::cmdUbah_Click()
{
    const int row = GridRow();
    if (row < 1)
        return;
    const QString word = TextMatrix(row, 0);
    const QString answer =
        CurrentUi().InputBox(QStringLiteral("Arti dari kata ") + word + QStringLiteral(" adalah "),
                             QStringLiteral("Artinya ?"), TextMatrix(row, 1));
    if (answer.isEmpty()) {
        CurrentUi().MessageBox(QStringLiteral("Artinya tidak diisi."), QString());
        return;
    }
    SetTextMatrix(row, 1, answer);
    // Replaced in place, so grid row and pair keep the same number.
    KamusIndo().XItem(row, answer);
}

void frmKamus::cmdKeluar_Click()
{
    close();
}

int frmKamus::GridRow() const
{
    return MSFlexGrid1->currentRow() + 1;
}

QString frmKamus::TextMatrix(int row, int column) const
{
    const QTableWidgetItem* cell = MSFlexGrid1->item(row - 1, column);
    return cell ? cell->text() : QString();
}

void frmKamus::SetTextMatrix(int row, int column, const QString& text)
{
    MSFlexGrid1->setItem(row - 1, column, new QTableWidgetItem(text));
}

} // namespace tembusa
