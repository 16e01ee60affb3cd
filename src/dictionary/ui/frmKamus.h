// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tembusa {

// The dictionary window: a grid of the main text dictionary, English word
// and general meaning per row, with buttons to add, change and delete
// entries. It works on the shared collection only; the entries reach
// "Kamus-indo.txt" when KamusFile::SaveAll runs. The grid is refilled from
// the collection every time the window is created, so grid row r (from 1)
// shows pair r.
class frmKamus : public QDialog
{
    Q_OBJECT

public:
    explicit frmKamus(QWidget* parent = nullptr);

private:
    void CreateControls();
    void SetGridHeaders();
    void LoadGrid();

    void cmdTambah_Click();
    void cmdHapus_Click();
    void cmdUbah_Click();
    void cmdKeluar_Click();

    // The grid in the terms of its rows: row 0 is the header, data rows
    // count from 1.
    int GridRow() const;
    QString TextMatrix(int row, int column) const;
    void SetTextMatrix(int row, int column, const QString& text);

    QLineEdit* txtEnglish = nullptr;
    QLineEdit* txtIndo = nullptr;
    QLineEdit* txtBenda = nullptr;
    QLineEdit* txtKerja = nullptr;
    QLineEdit* txtSifat = nullptr;
    QTableWidget* MSFlexGrid1 = nullptr;
};

} // namespace tembusa
