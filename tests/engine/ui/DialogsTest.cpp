// SPDX-License-Identifier: GPL-3.0-or-later
// The meaning-choice and unknown-word dialogs, driven by keys and clicks.
#include "engine/ui/frmUnknownWord.h"
#include "engine/ui/frmWordSelect.h"

#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using tembusa::frmUnknownWord;
using tembusa::frmWordSelect;
using tembusa::ScriptedUi;

class DialogsTest : public QObject
{
    Q_OBJECT

private:
    ScriptedUi ui;
    const QStringList meanings{QStringLiteral(" membaca "), QStringLiteral("baca")};

    template <typename Dialog> QPushButton* Button(Dialog& dialog, const char* name)
    {
        return dialog.template findChild<QPushButton*>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init()
    {
        ui = ScriptedUi();
        tembusa::InstallUi(&ui);
        tembusa::g_StopFlag = false;
    }
    void cleanup() { tembusa::InstallUi(nullptr); }

    void wordSelectShowsTheWordAndSelectsTheFirstMeaning()
    {
        frmWordSelect dialog(QStringLiteral("read"), meanings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Correct Word for this context"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblKata"))->text(),
                 QStringLiteral("read"));
        QCOMPARE(dialog.List1()->count(), 2);
        QCOMPARE(dialog.List1()->currentRow(), 0);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowSystemMenuHint));
    }

    void wordSelectAnswers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Enter on the first entry, trimmed")
            << int(Qt::Key_Return) << 0 << QStringLiteral("membaca\t0");
        QTest::newRow("Enter on the second entry")
            << int(Qt::Key_Return) << 1 << QStringLiteral("baca\t1");
        QTest::newRow("Escape keeps the English word") << int(Qt::Key_Escape) << 1 << QString();
    }

    void wordSelectAnswers()
    {
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(QString, answer);
        frmWordSelect dialog(QStringLiteral("read"), meanings);
        dialog.show();
        dialog.List1()->setCurrentRow(row);
        QTest::keyClick(dialog.List1(), Qt::Key(key));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Answer(), answer);
    }

    void wordSelectDoubleClickTakesTheEntryAsListed()
    {
        frmWordSelect dialog(QStringLiteral("read"), meanings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = dialog.List1();
        const QPoint centre = list->visualItemRect(list->item(0)).center();
        // A double-click follows the click of its first press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(dialog.Answer(), QStringLiteral(" membaca \t0"));
    }

    void addingAMeaningAsksAndRefusesAnEmptyOne()
    {
        frmWordSelect dialog(QStringLiteral("read"), meanings);
        dialog.show();
        ui.inputAnswers << QString() << QStringLiteral("menelaah");
        Button(dialog, "cmdTambah")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui.messages, QStringList{QStringLiteral("Artinya tidak diisi.")});
        Button(dialog, "cmdTambah")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Answer(), QStringLiteral("+\tread\tmenelaah"));
        QCOMPARE(ui.inputPrompts.at(0), QStringLiteral("Arti dari kata read adalah "));
    }

    void stopInEitherDialogSetsTheStopFlag()
    {
        frmWordSelect select(QStringLiteral("read"), meanings);
        select.show();
        Button(select, "cmdStop")->click();
        QVERIFY(tembusa::g_StopFlag);
        QVERIFY(select.Answer().isEmpty());

        tembusa::g_StopFlag = false;
        frmUnknownWord unknown(QStringLiteral("zork"));
        unknown.show();
        Button(unknown, "cmdStop")->click();
        QVERIFY(tembusa::g_StopFlag);
        QVERIFY(unknown.Answer().isEmpty());
    }

    void unknownWordLayout()
    {
        frmUnknownWord dialog(QStringLiteral("zork"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Unknown Word"));
        QCOMPARE(
            dialog.findChild<QLabel*>(QStringLiteral("Label4"))->text().count(QLatin1Char('\n')),
            2);
        QVERIFY(Button(dialog, "cmdTambah")->isDefault());
        QCOMPARE(Button(dialog, "cmdTolak")->text(), QStringLiteral("&Tdk. Diartikan"));
        QCOMPARE(Button(dialog, "cmdLihKamus")->text(), QStringLiteral("Lihat &Kamus"));
    }

    void unknownWordAnswers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::newRow("not to be translated")
            << QStringLiteral("cmdTolak") << QStringLiteral("?\tzork\t");
        QTest::newRow("cancel") << QStringLiteral("cmdBatal") << QStringLiteral("^");
    }

    void unknownWordAnswers()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        frmUnknownWord dialog(QStringLiteral("zork"));
        dialog.show();
        dialog.findChild<QPushButton*>(button)->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Answer(), answer);
    }

    void enterInTheUnknownWordDialogAddsAMeaning()
    {
        frmUnknownWord dialog(QStringLiteral("zork"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ui.inputAnswers << QStringLiteral("setan");
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.Answer(), QStringLiteral("+\tzork\tsetan"));
    }

    void lookingAtTheDictionaryKeepsTheDialogOpen()
    {
        frmUnknownWord dialog(QStringLiteral("zork"));
        dialog.show();
        Button(dialog, "cmdLihKamus")->click();
        QCOMPARE(ui.kamusShown, QList<bool>{true});
        QVERIFY(dialog.isVisible());
        // Escape does not close it either.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
