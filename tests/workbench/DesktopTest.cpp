// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop hands the workbench: files on the command line, files
// dropped onto the frame, files handed over by a second start; and the
// frame's settings kept between sessions.
#include "FakeDesktop.h"

#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/DesktopFiles.h"
#include "workbench/ui/FrameSettings.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/SingleInstance.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLocalServer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cstring>
#include <memory>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace rumbela;
using rumbela::test::FakeDesktop;

class DesktopTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a fixture file");
        file.write(bytes);
        return file.fileName();
    }

    std::unique_ptr<MDIForm1> MakeFrame()
    {
        auto frame = std::make_unique<MDIForm1>(*m_Desktop);
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get()))
            qFatal("the frame does not show");
        return frame;
    }

    // The captions and source texts of the open documents, in creation order.
    QStringList Documents() const
    {
        QStringList docs;
        for (QMdiSubWindow* window : m_Frame->mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
            if (const auto* doc = qobject_cast<frmDoc*>(window->widget()))
                docs.append(doc->Caption() + QLatin1Char('|') + doc->Src()->Text());
        }
        return docs;
    }

    static std::unique_ptr<QMimeData> UrlData(const QList<QUrl>& urls)
    {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    }

    // Sends a drag over the frame and, when it is taken, the drop; true when
    // the frame took the drag.
    bool DragAndDrop(const QMimeData& data)
    {
        const QPoint at = m_Frame->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_Frame.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_Frame.get(), &drop);
        return drop.isAccepted();
    }

private Q_SLOTS:
    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        OverrideWorkbenchFolder(m_Dir->path());
        ReleaseEngine();
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = MakeFrame();
    }

    void cleanup()
    {
        m_Frame.reset();
        m_Desktop.reset();
        ReleaseEngine();
        OverrideWorkbenchFolder(QString());
        m_Dir.reset();
    }

    void argumentsBecomeAbsolutePaths_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("relative") << QStringList{QStringLiteral("a.txt"),
                                                 QStringLiteral("../b.html")}
                                  << QStringList{QStringLiteral("/home/u/docs/a.txt"),
                                                 QStringLiteral("/home/u/b.html")};
        QTest::newRow("absolute") << QStringList{QStringLiteral("/tmp/x y.txt")}
                                  << QStringList{QStringLiteral("/tmp/x y.txt")};
        QTest::newRow("file URL") << QStringList{QStringLiteral("file:///tmp/caf%C3%A9.txt")}
                                  << QStringList{QStringLiteral("/tmp/caf\u00e9.txt")};
        QTest::newRow("empty argument") << QStringList{QString()} << QStringList{};
    }

    void argumentsBecomeAbsolutePaths()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QCOMPARE(FilesFromArguments(arguments, QStringLiteral("/home/u/docs")), files);
    }

    void filesOfTheCommandLineOpenAsDocuments()
    {
        const QString a = WriteFile(QStringLiteral("a.txt"), "Alpha.");
        const QString b = WriteFile(QStringLiteral("b.html"), "<p>Beta.</p>");
        OpenFiles(*m_Frame, {a, b, a});
        // The second a activates its window instead of opening it twice.
        QCOMPARE(Documents(),
                 QStringList({a + QStringLiteral("|Alpha."), b + QStringLiteral("|<p>Beta.</p>")}));
        QCOMPARE(m_Frame->Docs().Current()->Caption(), a);
        QCOMPARE(m_Frame->Docs().Recent().Entry(0), a);
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void aMissingFileIsOfferedForCreationAndNotRemembered()
    {
        const QString missing = Path(QStringLiteral("missing.txt"));
        m_Desktop->yesNoAnswers = {false};
        OpenFiles(*m_Frame, {missing});
        QCOMPARE(m_Desktop->questions.size(), 1);
        QVERIFY(m_Desktop->questions.first().startsWith(QStringLiteral("Create File|")));
        QVERIFY(Documents().isEmpty());
        QVERIFY(m_Frame->Docs().Recent().Entry(0) != missing);
    }

    void droppedFilesOpen()
    {
        const QString a = WriteFile(QStringLiteral("a.txt"), "Alpha.");
        const QString b = WriteFile(QStringLiteral("b.txt"), "Beta.");
        new FileDrop(*m_Frame);
        const auto data = UrlData(
            {QUrl::fromLocalFile(a), QUrl::fromLocalFile(b), QUrl::fromLocalFile(m_Dir->path())});
        QVERIFY(DragAndDrop(*data));
        QTRY_COMPARE(Documents(),
                     QStringList({a + QStringLiteral("|Alpha."), b + QStringLiteral("|Beta.")}));
    }

    void dropsWithoutLocalFilesAreRefused_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::newRow("web address") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a"))};
        QTest::newRow("folder") << QList<QUrl>{QUrl::fromLocalFile(QDir::tempPath())};
        QTest::newRow("no URL") << QList<QUrl>{};
    }

    void dropsWithoutLocalFilesAreRefused()
    {
        QFETCH(QList<QUrl>, urls);
        new FileDrop(*m_Frame);
        auto data = UrlData(urls);
        if (urls.isEmpty())
            data->setText(QStringLiteral("some text"));
        QVERIFY(!DragAndDrop(*data));
        QCoreApplication::processEvents();
        QVERIFY(Documents().isEmpty());
    }

    void aSecondStartHandsItsFilesToTheRunningOne()
    {
        const QString name = SingleInstance::ServerNameFor(m_Dir->path());
        SingleInstance running(name);
        QVERIFY(!running.HandOver({}, 500)); // nobody runs yet
        QVERIFY(running.Listen());
        QSignalSpy received(&running, &SingleInstance::FilesReceived);

        const QStringList files = {Path(QStringLiteral("a.txt")), Path(QStringLiteral("b c.txt"))};
        bool handed = false;
        // The second start blocks on its socket; the running one answers from
        // its event loop, here the test's.
        std::thread second([&] { handed = SingleInstance(name).HandOver(files); });
        QTRY_COMPARE(received.size(), 1);
        second.join();
        QVERIFY(handed);
        QCOMPARE(received.first().first().toStringList(), files);

        // A second listener on the same name loses.
        SingleInstance other(name);
        QVERIFY(!other.Listen());
    }

    void aSocketLeftByACrashIsTakenOver()
    {
        const QString name = SingleInstance::ServerNameFor(m_Dir->path());
        // A socket file nobody listens on, as a crash leaves it.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(QFile::exists(name));

        SingleInstance next(name);
        QVERIFY(next.Listen());
    }

    void settingsRoundTrip()
    {
        const QString store = Path(QStringLiteral("Rumbela.conf"));
        auto* settings = new FrameSettings(
            *m_Frame, *m_Frame->mnStat(), std::make_unique<QSettings>(store, QSettings::IniFormat));
        QVERIFY(!settings->Restore());
        m_Frame->setGeometry(40, 50, 700, 500);
        auto* output = m_Frame->findChild<QDockWidget*>(QStringLiteral("frmOutputDock"));
        auto* nav = m_Frame->findChild<QDockWidget*>(QStringLiteral("frmNavDock"));
        QVERIFY(output && nav);
        output->show();
        nav->hide();
        m_Frame->mnStat()->setChecked(true);
        settings->Save();
        const QSize size = m_Frame->size();
        m_Frame.reset();

        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        auto* again = new FrameSettings(*m_Frame, *m_Frame->mnStat(),
                                        std::make_unique<QSettings>(store, QSettings::IniFormat));
        QVERIFY(!m_Frame->mnStat()->isChecked());
        QVERIFY(again->Restore());
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
        QCOMPARE(m_Frame->size(), size);
        QVERIFY(m_Frame->mnStat()->isChecked());
        QVERIFY(m_Frame->findChild<QDockWidget*>(QStringLiteral("frmOutputDock"))->isVisible());
        QVERIFY(!m_Frame->findChild<QDockWidget*>(QStringLiteral("frmNavDock"))->isVisible());
    }

    void useStatisticIsSavedWhenItChanges()
    {
        const QString store = Path(QStringLiteral("Rumbela.conf"));
        new FrameSettings(*m_Frame, *m_Frame->mnStat(),
                          std::make_unique<QSettings>(store, QSettings::IniFormat));
        // The menu's check, as a click gives it; the program may then end at
        // once (File > Exit) without closing anything.
        m_Frame->mnStat()->trigger();
        QCOMPARE(QSettings(store, QSettings::IniFormat).value(QStringLiteral("run/useStatistic")),
                 QVariant(true));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
