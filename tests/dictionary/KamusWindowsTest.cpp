// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/KamusWindows.h"
#include "dictionary/FileKamus.h"
#include "platform/ScriptedUi.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using tembusa::KamusIndo;

namespace {

QWidget* TopLevel(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    }
    return nullptr;
}

QTableWidget* Grid(QWidget* window)
{
    return window->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
}

QString Cell(QWidget* window, int row, int column)
{
    const QTableWidgetItem* item = Grid(window)->item(row - 1, column);
    return item ? item->text() : QString();
}

void Click(QWidget* window, const char* button)
{
    auto* push = window->findChild<QPushButton*>(QLatin1String(button));
    QVERIFY(push);
    QTest::mouseClick(push, Qt::LeftButton);
}

void Type(QWidget* window, const char* box, const QString& text)
{
    auto* edit = window->findChild<QLineEdit*>(QLatin1String(box));
    QVERIFY(edit);
    edit->setText(text);
}

// Grid row r shows pair r of the dictionary, and nothing else is shown.
void VerifyGridMatchesPairs(QWidget* window, bool keysAsStored)
{
    QCOMPARE(Grid(window)->rowCount(), KamusIndo().XCount());
    for (int row = 1; row <= KamusIndo().XCount(); ++row) {
        if (keysAsStored)
            QCOMPARE(Cell(window, row, 0), KamusIndo().XKey(row));
        QCOMPARE(Cell(window, row, 1), KamusIndo().XItem(row));
    }
}

} // namespace

class KamusWindowsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<tembusa::ScriptedUi> ui;
    std::unique_ptr<tembusa::ScriptedUi::Scope> scope;

    QWidget* OpenKamus()
    {
        tembusa::ShowKamusWindow(false);
        return TopLevel(QStringLiteral("frmKamus"));
    }

    void CloseKamus(QWidget* window)
    {
        QPointer<QWidget> guard(window);
        Click(window, "cmdKeluar");
        QTRY_VERIFY(!guard);
    }

private Q_SLOTS:
    void init()
    {
        tembusa::ResetKamusCollections();
        ui = std::make_unique<tembusa::ScriptedUi>();
        scope = std::make_unique<tembusa::ScriptedUi::Scope>(*ui);
    }

    void cleanup()
    {
        scope.reset();
        ui.reset();
        tembusa::ResetKamusCollections();
    }

    void emptyDictionaryShowsOnlyTheHeader()
    {
        QWidget* window = OpenKamus();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Kamus Bahasa Indonesia"));
        QCOMPARE(Grid(window)->rowCount(), 0);
        QStringList titles;
        for (int column = 0; column < Grid(window)->columnCount(); ++column)
            titles.append(Grid(window)->horizontalHeaderItem(column)->text());
        QCOMPARE(titles,
                 QStringList({"English", "Indonesia", "Kt. Benda", "Kt. Kerja", "Kt. Sifat"}));
        CloseKamus(window);
    }

    void loadingFillsTheGridWithProgress()
    {
        KamusIndo().XAdd(QStringLiteral("buku"), QStringLiteral("Book"));
        KamusIndo().XAdd(QStringLiteral("rumah"), QStringLiteral("house"));
        QWidget* window = OpenKamus();
        QVERIFY(window);
        VerifyGridMatchesPairs(window, true);
        QCOMPARE(Cell(window, 1, 0), QStringLiteral("book"));
        QCOMPARE(ui->progressLog, QStringList({"show", "value 0", "max 4", "status Loading...",
                                               "value 1", "value 2", "close"}));
        QVERIFY(!ui->busy);
        CloseKamus(window);
    }

    void addShowsTheWordAsTypedAndLowerCaseAfterReopening()
    {
        QWidget* window = OpenKamus();
        QVERIFY(window);
        Type(window, "txtEnglish", QStringLiteral("Book"));
        Type(window, "txtIndo", QStringLiteral("buku"));
        Click(window, "cmdTambah");
        QCOMPARE(Grid(window)->rowCount(), 1);
        QCOMPARE(Cell(window, 1, 0), QStringLiteral("Book"));
        QCOMPARE(Cell(window, 1, 1), QStringLiteral("buku"));
        QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("txtEnglish"))->text().isEmpty());
        QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("txtIndo"))->text().isEmpty());

        // Only the English word: added with an empty meaning. Neither: nothing.
        Type(window, "txtEnglish", QStringLiteral("Smith"));
        Click(window, "cmdTambah");
        Click(window, "cmdTambah");
        QCOMPARE(KamusIndo().XCount(), 2);
        QCOMPARE(KamusIndo().XItem(2), QString());
        CloseKamus(window);

        window = OpenKamus();
        QVERIFY(window);
        QCOMPARE(Cell(window, 1, 0), QStringLiteral("book"));
        QCOMPARE(Cell(window, 2, 0), QStringLiteral("smith"));
        VerifyGridMatchesPairs(window, true);
        CloseKamus(window);
    }

    void changeReplacesTheMeaningInPlace()
    {
        for (const char* word : {"a", "house", "c"})
            KamusIndo().XAdd(QStringLiteral("m"), QLatin1String(word));
        QWidget* window = OpenKamus();
        QVERIFY(window);
        Grid(window)->setCurrentCell(1, 0);
        ui->inputAnswers = QStringList({QStringLiteral("rumah")});
        Click(window, "cmdUbah");
        QCOMPARE(ui->inputPrompts, QStringList({"Arti dari kata house adalah "}));
        QCOMPARE(Cell(window, 2, 1), QStringLiteral("rumah"));
        QCOMPARE(KamusIndo().XKey(2), QStringLiteral("house"));
        QCOMPARE(KamusIndo().XItem(2), QStringLiteral("rumah"));

        // Later changes and deletions still hit the pair their row shows.
        Grid(window)->setCurrentCell(2, 0);
        ui->inputAnswers = QStringList({QStringLiteral("tiga")});
        Click(window, "cmdUbah");
        Grid(window)->setCurrentCell(0, 0);
        Click(window, "cmdHapus");
        QCOMPARE(KamusIndo().XKey(1), QStringLiteral("house"));
        QCOMPARE(KamusIndo().XItem(2), QStringLiteral("tiga"));
        VerifyGridMatchesPairs(window, true);
        CloseKamus(window);
    }

    void cancelledChangeTellsAndChangesNothing()
    {
        KamusIndo().XAdd(QStringLiteral("buku"), QStringLiteral("book"));
        QWidget* window = OpenKamus();
        QVERIFY(window);
        Grid(window)->setCurrentCell(0, 0);
        Click(window, "cmdUbah");
        QCOMPARE(ui->messages, QStringList({"Artinya tidak diisi."}));
        QCOMPARE(Cell(window, 1, 1), QStringLiteral("buku"));
        QCOMPARE(KamusIndo().XItem(1), QStringLiteral("buku"));
        CloseKamus(window);
    }

    void deleteRemovesRowAndPairDownToTheLast()
    {
        KamusIndo().XAdd(QStringLiteral("1"), QStringLiteral("a"));
        KamusIndo().XAdd(QStringLiteral("2"), QStringLiteral("b"));
        QWidget* window = OpenKamus();
        QVERIFY(window);
        Grid(window)->setCurrentCell(1, 0);
        Click(window, "cmdHapus");
        QCOMPARE(KamusIndo().XCount(), 1);
        QCOMPARE(KamusIndo().XKey(1), QStringLiteral("a"));
        Grid(window)->setCurrentCell(0, 0);
        Click(window, "cmdHapus");
        QCOMPARE(KamusIndo().XCount(), 0);
        QCOMPARE(Grid(window)->rowCount(), 0);
        // With only the header row there is nothing to change or delete.
        Click(window, "cmdHapus");
        Click(window, "cmdUbah");
        QVERIFY(ui->errorBoxes.isEmpty());
        QVERIFY(ui->inputPrompts.isEmpty());
        CloseKamus(window);
    }

    void showingAgainBringsTheOpenWindowForward()
    {
        QWidget* first = OpenKamus();
        QVERIFY(first);
        QCOMPARE(OpenKamus(), first);
        CloseKamus(first);
    }

    void modalWindowWaitsUntilClosed()
    {
        KamusIndo().XAdd(QStringLiteral("buku"), QStringLiteral("book"));
        bool wasModal = false;
        QString shownKey;
        QTimer::singleShot(0, this, [&] {
            QWidget* window = TopLevel(QStringLiteral("frmKamus"));
            QVERIFY(window);
            wasModal = window->isModal();
            shownKey = Cell(window, 1, 0);
            Click(window, "cmdKeluar");
        });
        tembusa::ShowKamusWindow(true);
        QVERIFY(wasModal);
        QCOMPARE(shownKey, QStringLiteral("book"));
        QVERIFY(!TopLevel(QStringLiteral("frmKamus")));
    }

    void progressWindowIsOnePerProcess()
    {
        tembusa::ShowProgressWindow();
        QPointer<QWidget> window = TopLevel(QStringLiteral("frmProgress"));
        QVERIFY(window);
        auto* bar = window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        auto* status = window->findChild<QLabel*>(QStringLiteral("lblStatus"));
        QVERIFY(bar && status);
        QCOMPARE(status->text(), QStringLiteral("Ready"));
        QCOMPARE(window->size(), QSize(417, 67));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));

        tembusa::SetProgressWindowMax(1000);
        tembusa::SetProgressWindowValue(250);
        tembusa::SetProgressWindowStatus(QStringLiteral("Simpan file kamus...Tunggu."));
        tembusa::ShowProgressWindow();
        QCOMPARE(TopLevel(QStringLiteral("frmProgress")), window.data());
        QCOMPARE(bar->maximum(), 1000);
        QCOMPARE(bar->value(), 250);
        QCOMPARE(status->text(), QStringLiteral("Simpan file kamus...Tunggu."));

        // Closed and shown again at once, as between two files: a new window
        // that outlives the deletion of the closed one.
        tembusa::CloseProgressWindow();
        tembusa::ShowProgressWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_VERIFY(!window);
        QPointer<QWidget> next = TopLevel(QStringLiteral("frmProgress"));
        QVERIFY(next);
        QCOMPARE(next->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
                 QStringLiteral("Ready"));
        tembusa::SetProgressWindowValue(7);
        QCOMPARE(next->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), 7);
        tembusa::CloseProgressWindow();
        QTRY_VERIFY(!next);
    }
};

QTEST_MAIN(KamusWindowsTest)
#include "KamusWindowsTest.moc"
