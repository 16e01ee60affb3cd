// SPDX-License-Identifier: GPL-3.0-or-later
// The everyday commands of the frame: Save, the Edit commands on the focused
// pane, the find and replace bar, Print, the View, Tools and Format menus,
// and where the file dialogs start.
#include "FakeDesktop.h"
#include "RecordingUi.h"

#include "workbench/FilePaths.h"
#include "workbench/ui/FindBar.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/PrintCommand.h"
#include "workbench/ui/TabDock.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

#include <memory>

using namespace rumbela;
using rumbela::test::FakeDesktop;

class CommandsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;

    ModMDI& Docs() { return m_Frame->Docs(); }
    QAction* Command(const char* key) { return m_Frame->findChild<QAction*>(key); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(m_Dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a fixture file");
        file.write(bytes);
        return file.fileName();
    }

    QByteArray ReadFile(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Opens a file, puts a translation into it and gives its window.
    frmDoc* Open(const QString& source, const QString& translation)
    {
        const QString path = WriteFile(QStringLiteral("doc.txt"), source.toUtf8());
        Docs().OpenFile(path);
        frmDoc* doc = Docs().Current();
        doc->tgt()->Text(translation);
        return doc;
    }

    void Focus(QWidget* widget)
    {
        m_Frame->activateWindow();
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        OverrideWorkbenchFolder(m_Dir->path());
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    void cleanup()
    {
        m_Frame.reset();
        m_Desktop.reset();
        OverrideWorkbenchFolder(QString());
        m_Dir.reset();
    }

    void ctrlSSavesTheTranslation()
    {
        frmDoc* doc = Open(QStringLiteral("Hello."), QString());
        Focus(doc->tgt());
        QTest::keyClicks(doc->tgt(), QStringLiteral("Halo."));
        QTest::keyClick(doc->tgt(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadFile(doc->Caption()), QByteArray("Halo."));
        QVERIFY(!doc->Changed());
        // The toolbar key and the menu item are one command.
        QTest::keyClicks(doc->tgt(), QStringLiteral(" Lagi."));
        m_Frame->Button(QStringLiteral("save"))->trigger();
        QCOMPARE(ReadFile(doc->Caption()), QByteArray("Halo. Lagi."));
    }

    void editCommandsActOnTheFocusedPane()
    {
        const auto enabled = [this](const char* key) {
            return m_Frame->Button(QString::fromLatin1(key))->isEnabled();
        };
        for (const char* key : {"undo", "redo", "cut", "copy", "paste", "delete"})
            QVERIFY2(!enabled(key), key); // no document, no pane
        frmDoc* doc = Open(QStringLiteral("Source."), QString());
        Focus(doc->tgt());
        QVERIFY(!enabled("undo"));
        QTest::keyClicks(doc->tgt(), QStringLiteral("abc"));
        QVERIFY(enabled("undo"));
        QVERIFY(!enabled("copy"));

        m_Frame->Button(QStringLiteral("undo"))->trigger();
        QCOMPARE(doc->tgt()->Text(), QString());
        QCOMPARE(doc->Src()->Text(), QStringLiteral("Source."));
        QVERIFY(enabled("redo"));
        m_Frame->Button(QStringLiteral("redo"))->trigger();
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("abc"));

        doc->tgt()->selectAll();
        QVERIFY(enabled("copy") && enabled("cut") && enabled("delete"));
        m_Frame->Button(QStringLiteral("cut"))->trigger();
        QCOMPARE(doc->tgt()->Text(), QString());
        QVERIFY(enabled("paste"));
        m_Frame->Button(QStringLiteral("paste"))->trigger();
        m_Frame->Button(QStringLiteral("paste"))->trigger();
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("abcabc"));

        // The source pane takes over once it has the focus.
        Focus(doc->Src());
        doc->Src()->selectAll();
        m_Frame->Button(QStringLiteral("delete"))->trigger();
        QCOMPARE(doc->Src()->Text(), QString());
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("abcabc"));
    }

    void findBarFindsInTheFocusedPane()
    {
        frmDoc* doc = Open(QStringLiteral("Kucing di sini."),
                           QStringLiteral("Kucing duduk. kucing lari. Anjing."));
        Focus(doc->tgt());
        FindBar* bar = m_Frame->findBar();
        QTest::keyClick(doc->tgt(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible());
        QTRY_VERIFY(bar->txtFind()->hasFocus());
        QVERIFY(!bar->txtReplace()->isVisible());
        QTest::keyClicks(bar->txtFind(), QStringLiteral("kucing"));
        QTest::keyClick(bar->txtFind(), Qt::Key_Return);
        QCOMPARE(doc->tgt()->SelStart(), 0);
        QCOMPARE(doc->tgt()->SelLength(), 6);

        // F3 and Shift+F3 go on from there and wrap at the ends.
        QTest::keyClick(bar->txtFind(), Qt::Key_F3);
        QCOMPARE(doc->tgt()->SelStart(), 14);
        QTest::keyClick(bar->txtFind(), Qt::Key_F3);
        QCOMPARE(doc->tgt()->SelStart(), 0);
        QCOMPARE(bar->lblFindStatus()->text(), QStringLiteral("Wrapped"));
        QTest::keyClick(bar->txtFind(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(doc->tgt()->SelStart(), 14);

        bar->chkMatchCase()->setChecked(true);
        bar->txtFind()->setText(QStringLiteral("KUCING"));
        QVERIFY(!bar->FindNext());
        QCOMPARE(bar->lblFindStatus()->text(), QStringLiteral("Not found"));
        QCOMPARE(doc->Src()->SelLength(), 0); // the other pane is left alone

        QTest::keyClick(bar->txtFind(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QTRY_VERIFY(doc->tgt()->hasFocus());
    }

    void replaceBarReplacesOneOrAllAsOneUndo()
    {
        frmDoc* doc = Open(QStringLiteral("Source."), QStringLiteral("satu dua satu SATU"));
        Focus(doc->tgt());
        FindBar* bar = m_Frame->findBar();
        QTest::keyClick(doc->tgt(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(bar->txtReplace()->isVisible());
        bar->txtFind()->setText(QStringLiteral("satu"));
        bar->txtReplace()->setText(QStringLiteral("one"));
        bar->chkMatchCase()->setChecked(true);

        // Replace finds first, then replaces the found place and moves on.
        bar->Replace();
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("satu dua satu SATU"));
        bar->Replace();
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("one dua satu SATU"));
        QCOMPARE(doc->tgt()->SelStart(), 8);

        bar->chkMatchCase()->setChecked(false);
        QCOMPARE(bar->ReplaceAll(), 2);
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("one dua one one"));
        QCOMPARE(bar->lblFindStatus()->text(), QStringLiteral("2 replaced"));
        QVERIFY(doc->Changed());
        doc->tgt()->undo();
        QCOMPARE(doc->tgt()->Text(), QStringLiteral("one dua satu SATU"));
        QCOMPARE(doc->Src()->Text(), QStringLiteral("Source."));
    }

    void printShowsTheChosenContent_data()
    {
        using Content = Desktop::PrintContent;
        QTest::addColumn<Content>("content");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("printed");
        QTest::newRow("translation")
            << Content::Translation << false << QStringLiteral("Satu.\nDua.");
        QTest::newRow("source, previewed")
            << Content::Source << true << QStringLiteral("One.\nTwo.\nThree.");
    }
    void printShowsTheChosenContent()
    {
        QFETCH(Desktop::PrintContent, content);
        QFETCH(bool, preview);
        QFETCH(QString, printed);
        Open(QStringLiteral("One.\nTwo.\nThree."), QStringLiteral("Satu.\nDua."));
        m_Desktop->printAnswers = {{content, preview}};
        QTest::keyClick(Docs().Current()->tgt(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_Desktop->printed, QStringList{printed});
        QCOMPARE(m_Desktop->previews, QList<bool>{preview});
        // Cancel prints nothing.
        m_Frame->Button(QStringLiteral("print"))->trigger();
        QCOMPARE(m_Desktop->printed.size(), 1);
    }

    void sideBySidePairsTheLines()
    {
        QTextDocument document;
        FillPrintDocument(document, Desktop::PrintContent::SideBySide,
                          QStringLiteral("One.\nTwo.\nThree <b>&"), QStringLiteral("Satu.\nDua."));
        auto* table = qobject_cast<QTextTable*>(document.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        QCOMPARE(table->rows(), 3);
        QCOMPARE(table->columns(), 2);
        const auto cell = [table](int row, int column) {
            QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
            cursor.setPosition(table->cellAt(row, column).lastPosition(), QTextCursor::KeepAnchor);
            return cursor.selectedText();
        };
        QCOMPARE(cell(1, 0), QStringLiteral("Two."));
        QCOMPARE(cell(1, 1), QStringLiteral("Dua."));
        QCOMPARE(cell(2, 0), QStringLiteral("Three <b>&")); // text, never markup
        QCOMPARE(cell(2, 1), QString());
    }

    void viewToolsAndFormatMenus()
    {
        test::RecordingUi ui;
        QDockWidget* nav = m_Frame->fDock().DockOf(m_Frame->frmNav());
        QAction* quickNav = Command("mnQuickNav");
        QVERIFY(quickNav->isChecked());
        quickNav->trigger();
        QTRY_VERIFY(!nav->isVisible());
        quickNav->trigger();
        QTRY_VERIFY(nav->isVisible());

        Command("mnKamus")->trigger();
        QCOMPARE(ui.kamusShown, QList<bool>{false});

        frmDoc* first = Open(QStringLiteral("a"), QString());
        QFont font(QStringLiteral("Monospace"));
        font.setPointSize(15);
        m_Desktop->fontAnswers = {font};
        Command("mnFont")->trigger();
        QCOMPARE(first->Src()->font().pointSize(), 15);
        QCOMPARE(first->tgt()->font().pointSize(), 15);
        Docs().FileNew();
        QCOMPARE(Docs().Current()->tgt()->font().pointSize(), 15);
        // Cancel keeps the font.
        Command("mnFont")->trigger();
        QCOMPARE(first->Src()->font().pointSize(), 15);
    }

    void fileDialogsStartAtTheActiveDocument()
    {
        Docs().FileNew();
        m_Desktop->saveAnswers = {QString()};
        Docs().SaveFileAs();
        const QString path = WriteFile(QStringLiteral("story.txt"), "text");
        Docs().OpenFile(path);
        Docs().SaveFileAs();
        Docs().OpenCommand();
        QCOMPARE(m_Desktop->dialogStarts,
                 (QStringList{QStringLiteral("Untitled 1.txt"), path, m_Dir->path()}));
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
