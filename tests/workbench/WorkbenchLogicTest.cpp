// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's plain state and arithmetic: document docSlots, paths, the
// recent-file list and its file, the pane and window layouts.
#include "platform/TextCodec.h"
#include "workbench/DocSlots.h"
#include "workbench/DocumentText.h"
#include "workbench/FilePaths.h"
#include "workbench/PaneLayout.h"
#include "workbench/RecentList.h"
#include "workbench/TileLayout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rumbela;

namespace {

QByteArray Entry(const QByteArray& path)
{
    QByteArray bytes;
    bytes.append(char(path.size() & 0xFF));
    bytes.append(char(path.size() >> 8));
    return bytes + path;
}

const QByteArray kEmptyEntry("\x00\x00", 2);

} // namespace

class WorkbenchLogicTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsGoLowestFreeFirst()
    {
        DocSlots docSlots;
        QCOMPARE(docSlots.FindFreeIndex(), qint16(0)); // no docSlots yet
        QCOMPARE(docSlots.TakeSlot(), qint16(1));
        QCOMPARE(docSlots.TakeSlot(), qint16(2));
        QCOMPARE(docSlots.TakeSlot(), qint16(3));
        docSlots.Free(3, true);
        docSlots.Free(1, true);
        QCOMPARE(docSlots.TakeSlot(), qint16(1));
        QCOMPARE(docSlots.NewDocIndex(), qint16(1));
        QVERIFY(!docSlots.Free(1));
        QCOMPARE(docSlots.TakeSlot(), qint16(3));
        QCOMPARE(docSlots.TakeSlot(), qint16(4));
        QCOMPARE(docSlots.Count(), qint16(4));
    }

    void slotsStopAtTheLastNumber()
    {
        DocSlots docSlots;
        for (int i = 1; i <= DocSlots::kMaxSlot; ++i)
            docSlots.TakeSlot();
        QCOMPARE(docSlots.TakeSlot(), qint16(0));
        QCOMPARE(docSlots.NewDocIndex(), DocSlots::kMaxSlot);
        docSlots.Free(5, true);
        QCOMPARE(docSlots.TakeSlot(), qint16(5));
    }

    void tabKeysNameTheirSlot_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<qint16>("slot");
        QTest::newRow("slot 3") << DocTabKey(3) << qint16(3);
        QTest::newRow("slot 12") << DocTabKey(12) << qint16(12);
        QTest::newRow("nothing after the key") << QStringLiteral("key") << qint16(0);
        QTest::newRow("not a number") << QStringLiteral("keyx") << qint16(0);
        QTest::newRow("beyond the last slot") << QStringLiteral("key40000") << qint16(0);
    }
    void tabKeysNameTheirSlot()
    {
        QFETCH(QString, key);
        QFETCH(qint16, slot);
        QCOMPARE(SlotOfTabKey(key), slot);
    }

    void pathHelpers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("withSlash");
        QTest::newRow("file in a folder") << "/home/ani/story.txt"
                                          << "story.txt"
                                          << "/home/ani/story.txt/";
        QTest::newRow("no folder") << "story.txt"
                                   << "story.txt"
                                   << "story.txt/";
        QTest::newRow("folder with trailing slash") << "/home/ani/"
                                                    << ""
                                                    << "/home/ani/";
        QTest::newRow("root") << "/"
                              << ""
                              << "/";
        QTest::newRow("empty") << ""
                               << ""
                               << "/";
        QTest::newRow("untitled caption") << "Untitled 2"
                                          << "Untitled 2"
                                          << "Untitled 2/";
        QTest::newRow("backslash is a plain character") << "C:\\Texts\\a.txt"
                                                        << "C:\\Texts\\a.txt"
                                                        << "C:\\Texts\\a.txt/";
    }
    void pathHelpers()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(QString, withSlash);
        QCOMPARE(FileTitle(path), title);
        QCOMPARE(AddBackslash(path), withSlash);
    }

    void fileFilterBecomesDialogFilter()
    {
        const QString filter = QStringLiteral("All Files|*.*|All Supported Files|*txt;*.html;") +
                               QStringLiteral("|Text Files|*.txt|Html Files|*.html;*.htm");
        QCOMPARE(DialogFilter(filter),
                 QStringLiteral("All Files (*);;All Supported Files (*txt *.html);;"
                                "Text Files (*.txt);;Html Files (*.html *.htm)"));
    }

    void fileExistsOnlyForFiles()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(FileExists(dir.filePath(QStringLiteral("a.txt"))));
        QVERIFY(!FileExists(dir.filePath(QStringLiteral("b.txt"))));
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(!FileExists(QString()));
    }

    void panesSplitTheWindowHeight_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("src");
        QTest::addColumn<QRect>("tgt");
        QTest::newRow("6000 high")
            << 10000 << 6000 << QRect(-30, 0, 9900, 2900) << QRect(15, 2950, 9900, 2500);
        QTest::newRow("odd height rounds half down to even")
            << 10000 << 5001 << QRect(-30, 0, 9900, 2400) << QRect(15, 2450, 9900, 2000);
        QTest::newRow("odd height rounds half up to even")
            << 10000 << 5003 << QRect(-30, 0, 9900, 2402) << QRect(15, 2452, 9900, 2002);
        QTest::newRow("too low for the target pane")
            << 10000 << 800 << QRect(-30, 0, 9900, 300) << QRect(15, 350, 9900, 0);
        QTest::newRow("too narrow and too low")
            << 60 << 100 << QRect(-30, 0, 0, 0) << QRect(15, 50, 0, 0);
    }
    void panesSplitTheWindowHeight()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, src);
        QFETCH(QRect, tgt);
        const PaneGeometry panes = LayoutPanes(width, height);
        QCOMPARE(panes.Src, src);
        QCOMPARE(panes.tgt, tgt);
    }

    void tilesFillTheArea_data()
    {
        QTest::addColumn<int>("arrangement");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("horizontally: one above the other")
            << int(Arrangement::TileHorizontal)
            << QList<QRect>{QRect(0, 0, 300, 33), QRect(0, 33, 300, 33), QRect(0, 66, 300, 34)};
        QTest::newRow("vertically: side by side")
            << int(Arrangement::TileVertical)
            << QList<QRect>{QRect(0, 0, 100, 100), QRect(100, 0, 100, 100),
                            QRect(200, 0, 100, 100)};
    }
    void tilesFillTheArea()
    {
        QFETCH(int, arrangement);
        QFETCH(QList<QRect>, rects);
        QCOMPARE(TileRects(3, QRect(0, 0, 300, 100), Arrangement(arrangement)), rects);
    }

    void iconsLineUpAlongTheBottom()
    {
        const QList<QSize> sizes(3, QSize(40, 20));
        QCOMPARE(
            IconRects(sizes, QRect(0, 0, 100, 200)),
            (QList<QRect>{QRect(0, 180, 40, 20), QRect(40, 180, 40, 20), QRect(0, 160, 40, 20)}));
    }

    void recentListKeepsTheSixNewest()
    {
        RecentList list;
        for (int i = 1; i <= 7; ++i)
            list.Add(QStringLiteral("/t/%1.txt").arg(i));
        QCOMPARE(list.Entries(), (QStringList{"/t/7.txt", "/t/6.txt", "/t/5.txt", "/t/4.txt",
                                              "/t/3.txt", "/t/2.txt"}));
    }

    void recentListMovesAListedPathToTheTop_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("newest again")
            << QStringList{"/a", "/b", "/b"} << QStringList{"/b", "/a", "", "", "", ""};
        QTest::newRow("older one")
            << QStringList{"/a", "/b", "/c", "/a"} << QStringList{"/a", "/c", "/b", "", "", ""};
        QTest::newRow("full list keeps the others")
            << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/1"}
            << QStringList{"/1", "/6", "/5", "/4", "/3", "/2"};
        QTest::newRow("letter case differs")
            << QStringList{"/a", "/A"} << QStringList{"/A", "/a", "", "", "", ""};
    }
    void recentListMovesAListedPathToTheTop()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, entries);
        RecentList list;
        for (const QString& path : added)
            list.Add(path);
        QCOMPARE(list.Entries(), entries);
    }

    void recentListBytes()
    {
        RecentList list;
        list.Add(QStringLiteral("/t/é.txt"));
        list.Add(QStringLiteral("/a"));
        QCOMPARE(list.ToBytes(), Entry("/a") + Entry("/t/\xc3\xa9.txt") + kEmptyEntry +
                                     kEmptyEntry + kEmptyEntry + kEmptyEntry);
    }

    void recentListReadsAnyBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        const QStringList none(6, QString());
        QTest::newRow("empty file") << QByteArray() << none;
        QTest::newRow("one byte") << QByteArray("\x05", 1) << none;
        QTest::newRow("ends after the first entry")
            << Entry("/a") << QStringList{"/a", "", "", "", "", ""};
        QTest::newRow("length past the end")
            << Entry("/a") + QByteArray("\xff\xff/b", 4) << QStringList{"/a", "", "", "", "", ""};
        QTest::newRow("entry cut short") << QByteArray("\x05\x00/ab", 5) << none;
        QTest::newRow("bytes after the sixth entry ignored")
            << Entry("/1") + Entry("/2") + Entry("/3") + Entry("/4") + Entry("/5") + Entry("/6") +
                   Entry("/old")
            << QStringList{"/1", "/2", "/3", "/4", "/5", "/6"};
        QTest::newRow("duplicates from an older list kept once")
            << Entry("/a") + Entry("/b") + Entry("/a") + Entry("/c") + Entry("/b")
            << QStringList{"/a", "/b", "/c", "", "", ""};
        QTest::newRow("legacy code page")
            << Entry("/caf\xe9") + kEmptyEntry << QStringList{"/café", "", "", "", "", ""};
        QTest::newRow("NUL inside a path")
            << Entry(QByteArray("/a\0b", 4))
            << QStringList{QString::fromUtf8("/a\0b", 4), "", "", "", "", ""};
    }
    void recentListReadsAnyBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(RecentList::FromBytes(bytes).Entries(), entries);
    }

    void recentFileIsWrittenFromItsFirstByteWithoutTruncating()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("recent.rct"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        const QByteArray longer(40, 'x');
        old.write(longer);
        old.close();

        RecentList list;
        list.Add(QStringLiteral("/a"));
        QVERIFY(list.Save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = list.ToBytes();
        QCOMPARE(file.readAll(), written + longer.mid(written.size()));

        RecentList reread;
        QVERIFY(reread.Load(path));
        QCOMPARE(reread.Entries(), list.Entries());
    }

    void recentFileMissingReadsEmpty()
    {
        QTemporaryDir dir;
        RecentList list;
        list.Add(QStringLiteral("/a"));
        QVERIFY(!list.Load(dir.filePath(QStringLiteral("recent.rct"))));
        QCOMPARE(list.Entries(), QStringList(6, QString()));
    }

    void documentTextDecodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << QStringLiteral("café");
        QTest::newRow("byte order mark dropped") << QByteArray("\xef\xbb\xbfok") << "ok";
        QTest::newRow("Windows-1252") << QByteArray("caf\xe9 \x93q\x94") << "café “q”";
        QTest::newRow("Windows-1252 letter at the very end") << QByteArray("caf\xe9") << "café";
        QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << QString::fromUtf8("a\0b", 3);
    }
    void documentTextDecodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(tembusa::DecodeText(bytes), text);
    }

    void documentFilesRoundTripAndNameTheFileOnFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.txt"));
        QString text;
        QString error;
        QVERIFY(WriteDocumentText(path, QStringLiteral("café\n"), error));
        QVERIFY(tembusa::ReadTextFile(path, text, error));
        QCOMPARE(text, QStringLiteral("café\n"));

        const QString missingFolder = dir.filePath(QStringLiteral("no/such/doc.txt"));
        QVERIFY(!WriteDocumentText(missingFolder, QStringLiteral("x"), error));
        QVERIFY2(error.contains(missingFolder), qPrintable(error));
        QVERIFY(!tembusa::ReadTextFile(dir.path(), text, error));
        QVERIFY2(error.contains(dir.path()), qPrintable(error));
        QCOMPARE(text, QStringLiteral("café\n"));
    }
};

QTEST_GUILESS_MAIN(WorkbenchLogicTest)
#include "WorkbenchLogicTest.moc"
