// SPDX-License-Identifier: GPL-3.0-or-later
// The parser view, the debug output window, help, web pages, the readme,
// the browser preview and the About box.
#include "FakeDesktop.h"
#include "RecordingUi.h"

#include "workbench/AboutText.h"
#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/HelpWindow.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TabDock.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmAbout.h"
#include "workbench/ui/frmDoc.h"
#include "workbench/ui/frmOutput.h"
#include "workbench/ui/frmParser.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

using namespace rumbela;
using rumbela::test::FakeDesktop;
using rumbela::test::RecordingUi;

class ViewsTest : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // The desktop's default program, as the tests see it.
    void Open(const QUrl& url) { m_Opened.append(url); }

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<RecordingUi> m_Ui;
    std::unique_ptr<FakeDesktop> m_Desktop;
    std::unique_ptr<MDIForm1> m_Frame;
    QList<QUrl> m_Opened;

    ModMDI& Docs() { return m_Frame->Docs(); }

    frmDoc* NewDocument(const QString& source, const QString& target = QString())
    {
        Docs().FileNew();
        frmDoc* doc = Docs().Current();
        doc->Src()->Text(source);
        doc->tgt()->Text(target);
        return doc;
    }

    QAction* Item(const char* name) const
    {
        return m_Frame->findChild<QAction*>(QString::fromLatin1(name));
    }

    QList<frmParser*> Parsers() const
    {
        QList<frmParser*> parsers;
        for (QMdiSubWindow* window : m_Frame->mdiArea()->subWindowList()) {
            if (auto* parser = qobject_cast<frmParser*>(window->widget()))
                parsers.append(parser);
        }
        return parsers;
    }

    QByteArray ReadFile(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void WriteFile(const QString& path, const QByteArray& bytes) const
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The application folder of the build, with the shipped manual and readme.
    static QString ShippedFolder() { return QStringLiteral(RUMBELA_APP_DIR); }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        OverrideWorkbenchFolder(m_Dir->path());
        m_Ui = std::make_unique<RecordingUi>();
        ReleaseEngine();
        m_Opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
        m_Desktop = std::make_unique<FakeDesktop>();
        m_Frame = std::make_unique<MDIForm1>(*m_Desktop);
        m_Frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Frame.get()));
    }

    void cleanup()
    {
        m_Frame.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        ReleaseEngine();
        m_Ui.reset();
        OverrideWorkbenchFolder(QString());
        m_Dir.reset();
    }

    void parserListsTheDocumentOpenedLast_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("listing");
        QTest::newRow("paragraphs")
            << 0 << QStringLiteral("## Paragraf ##\n\n1,19-I read. You write.");
        QTest::newRow("sentences")
            << 1 << QStringLiteral("## Kalimat ##\n\n1,8-I read.\n9,19-You write.");
        QTest::newRow("words") << 2
                               << QStringLiteral("## Kata ##\n\n1,2-I\n3,7-read\n7,8-.\n9,12-You\n"
                                                 "13,18-write\n18,19-.");
    }

    void parserListsTheDocumentOpenedLast()
    {
        QFETCH(int, option);
        QFETCH(QString, listing);
        frmDoc* first = NewDocument(QStringLiteral("First."));
        NewDocument(QStringLiteral("I read. You write."));
        Docs().ActivateDoc(first->Slot());
        QCOMPARE(Docs().Slots().CurrentDoc(), first->Slot());

        Item("mnParser")->trigger();
        QCOMPARE(Parsers().size(), 1);
        frmParser* parser = Parsers().first();
        QCOMPARE(parser->windowTitle(), QStringLiteral("Parser"));
        QVERIFY(parser->optObj(2)->isChecked());
        QVERIFY(parser->tgt()->Text().isEmpty()); // nothing until an option is chosen

        QTest::mouseClick(parser->optObj(option), Qt::LeftButton);
        QCOMPARE(parser->tgt()->Text(), listing);
        QVERIFY(m_Desktop->messages.isEmpty());
        // The caption names the document listed, which is not the active one.
        QCOMPARE(parser->windowTitle(), QStringLiteral("Parser - Untitled 2"));
    }

    void parserHeadingStandsAloneOverAnEmptyText()
    {
        NewDocument(QString());
        frmParser* parser = ShowParser(*m_Frame);
        parser->ChooseOption(1);
        QCOMPARE(parser->tgt()->Text(), QStringLiteral("## Kalimat ##\n"));
    }

    void parserWithoutItsDocumentKeepsTheListingAndSaysWhy()
    {
        frmParser* parser = ShowParser(*m_Frame);
        parser->ChooseOption(2);
        QVERIFY(parser->tgt()->Text().isEmpty());
        QCOMPARE(m_Desktop->messages,
                 QStringList{QStringLiteral("Parser|No document has been opened yet: open or "
                                            "create one to see how it is parsed.")});

        frmDoc* doc = NewDocument(QStringLiteral("Go."));
        parser->ChooseOption(0);
        const QString listed = parser->tgt()->Text();
        QCOMPARE(listed, QStringLiteral("## Paragraf ##\n\n1,4-Go."));
        doc->Window()->close();
        parser->ChooseOption(1);
        QCOMPARE(parser->tgt()->Text(), listed);
        QCOMPARE(m_Desktop->messages.last(),
                 QStringLiteral("Parser|The document opened last has been closed: open it "
                                "again to see how it is parsed."));
    }

    void parserMenuBringsUpOneWindowAndReopensItEmpty()
    {
        NewDocument(QStringLiteral("Go."));
        Item("mnParser")->trigger();
        frmParser* parser = Parsers().first();
        parser->ChooseOption(2);
        Docs().FileNew(); // another window comes to the front
        Item("mnParser")->trigger();
        QCOMPARE(Parsers(), QList<frmParser*>{parser});
        QCOMPARE(m_Frame->mdiArea()->activeSubWindow()->widget(), parser);

        const QPointer<QMdiSubWindow> window = m_Frame->mdiArea()->activeSubWindow();
        window->close();
        QTRY_VERIFY(!window);
        Item("mnParser")->trigger();
        QCOMPARE(Parsers().size(), 1);
        QVERIFY(Parsers().first()->tgt()->Text().isEmpty());
    }

    void outputWindowShowsAndHidesKeepingItsText()
    {
        auto* output = qobject_cast<frmOutput*>(m_Frame->frmOutput());
        QVERIFY(output);
        QDockWidget* dock = m_Frame->fDock().DockOf(output);
        QCOMPARE(dock->windowTitle(), QStringLiteral("Debug - stdout"));
        QCOMPARE(m_Frame->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
        output->txtOut()->setPlainText(QStringLiteral("kept"));

        QAction* log = Item("DisplayLogWindow");
        QVERIFY(!log->isChecked());
        QVERIFY(!dock->isVisible());
        log->trigger();
        QVERIFY(log->isChecked());
        QTRY_VERIFY(dock->isVisible());
        log->trigger();
        QVERIFY(!log->isChecked());
        QTRY_VERIFY(!dock->isVisible());
        QCOMPARE(output->txtOut()->toPlainText(), QStringLiteral("kept"));
    }

    void outputMenuCopiesAndClears()
    {
        auto* output = qobject_cast<frmOutput*>(m_Frame->frmOutput());
        QStringList items;
        for (const QAction* action : output->MEdit()->actions())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items, (QStringList{"&Copy", "&Save to file...", "-", "C&lear"}));
        QVERIFY(!output->findChild<QAction*>(QStringLiteral("MSave"))->isEnabled());
        QVERIFY(output->txtOut()->isReadOnly());

        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("older"));
        output->findChild<QAction*>(QStringLiteral("MCopy"))->trigger();
        QCOMPARE(clipboard->text(), QString()); // an empty window copies empty text

        output->txtOut()->setPlainText(QStringLiteral("line 1\nline 2"));
        output->findChild<QAction*>(QStringLiteral("MCopy"))->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("line 1\nline 2"));
        output->findChild<QAction*>(QStringLiteral("MClear"))->trigger();
        QVERIFY(output->txtOut()->toPlainText().isEmpty());
    }

    void previewWritesTempHtmlAndOpensIt()
    {
        const QString temp = m_Dir->filePath(QStringLiteral("temp.html"));
        const QUrl url = QUrl::fromLocalFile(temp);
        frmDoc* doc = NewDocument(QStringLiteral("a"), QStringLiteral("<p>Saya membaca.</p>"));
        m_Frame->ButtonClick(QStringLiteral("view"));
        QCOMPARE(ReadFile(temp), QByteArray("<p>Saya membaca.</p>"));
        QCOMPARE(m_Opened, QList<QUrl>{url});

        // The next preview replaces the file, also with an empty target.
        doc->tgt()->Text(QString());
        Item("mnBrowser")->trigger();
        QCOMPARE(ReadFile(temp), QByteArray());
        QCOMPARE(m_Opened, (QList<QUrl>{url, url}));
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void previewWithoutDocumentOpensTheEarlierFileIfAny()
    {
        m_Frame->ButtonClick(QStringLiteral("view"));
        QVERIFY(m_Opened.isEmpty());
        QVERIFY(!QFile::exists(m_Dir->filePath(QStringLiteral("temp.html"))));

        WriteFile(m_Dir->filePath(QStringLiteral("temp.html")), "earlier");
        m_Frame->ButtonClick(QStringLiteral("view"));
        QCOMPARE(m_Opened,
                 QList<QUrl>{QUrl::fromLocalFile(m_Dir->filePath(QStringLiteral("temp.html")))});
        QCOMPARE(ReadFile(m_Dir->filePath(QStringLiteral("temp.html"))), QByteArray("earlier"));
    }

    void previewThatCannotBeWrittenOpensNothing()
    {
        // A folder in the file's place cannot be replaced by the preview.
        QVERIFY(QDir(m_Dir->path()).mkdir(QStringLiteral("temp.html")));
        NewDocument(QStringLiteral("a"), QStringLiteral("b"));
        m_Frame->ButtonClick(QStringLiteral("view"));
        QVERIFY(m_Opened.isEmpty());
        QCOMPARE(m_Desktop->criticals.size(), 1);
        QVERIFY(m_Desktop->criticals.first().startsWith(QStringLiteral("Error: 75|Error: 75\n")));
    }

    void helpOpensOnItsTableOfContents()
    {
        OverrideWorkbenchFolder(ShippedFolder());
        m_Frame->ButtonClick(QStringLiteral("help"));
        auto* help = m_Frame->findChild<HelpWindow*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        const QUrl contents =
            QUrl::fromLocalFile(ShippedFolder() + QStringLiteral("/help/index.html"));
        QCOMPARE(help->Browser()->source(), contents);
        QCOMPARE(help->Browser()->documentTitle(), QStringLiteral("Contents"));

        // A page further on; General Help goes back to the contents in the
        // same window.
        help->Browser()->setSource(
            QUrl::fromLocalFile(ShippedFolder() + QStringLiteral("/help/cli.html")));
        m_Frame->activateWindow();
        QTest::keyClick(m_Frame.get(), Qt::Key_F1);
        QCOMPARE(m_Frame->findChildren<HelpWindow*>().size(), 1);
        QCOMPARE(help->Browser()->source(), contents);
    }

    void helpPagesLinkOnlyToPagesThatExist()
    {
        const QDir folder(ShippedFolder() + QStringLiteral("/help"));
        const QStringList pages = folder.entryList({QStringLiteral("*.html")});
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        QSet<QString> linked;
        for (const QString& page : pages) {
            const QString html = QString::fromUtf8(ReadFile(folder.filePath(page)));
            for (const auto& match : link.globalMatch(html)) {
                linked.insert(match.captured(1));
                QVERIFY2(pages.contains(match.captured(1)),
                         qPrintable(page + QStringLiteral(" links to ") + match.captured(1)));
            }
        }
        // Every page can be reached.
        for (const QString& page : pages)
            QVERIFY2(page == QLatin1String("index.html") || linked.contains(page),
                     qPrintable(page));
    }

    void helpWithoutTheManualOpensNothing()
    {
        Item("help")->trigger();
        QVERIFY(!m_Frame->findChild<HelpWindow*>());
    }

    void webItemsOpenTheProjectsAddresses()
    {
        Item("mnHelpOnline")->trigger();
        Item("mnWebsite")->trigger();
        QCOMPARE(
            m_Opened,
            (QList<QUrl>{QUrl(QStringLiteral("https://rumbela.example.org/Rumbela/Index.html")),
                         QUrl(QStringLiteral("https://rumbela.example.org/"))}));
    }

    void readmeOpensAsADocument()
    {
        OverrideWorkbenchFolder(ShippedFolder());
        Item("mnReadme")->trigger();
        frmDoc* doc = Docs().Current();
        QVERIFY(doc);
        QCOMPARE(doc->Caption(), ShippedFolder() + QStringLiteral("/Readme.txt"));
        QVERIFY(doc->Src()->Text().startsWith(QStringLiteral("Rumbela and Tembusa")));
        QCOMPARE(m_Desktop->Asked(), 0);
    }

    void versionTextJoinsTheThreeNumbers()
    {
        QCOMPARE(VersionText(1, 0, 0), QStringLiteral("Version 1.0.0"));
        QCOMPARE(VersionText(3, 12, 7), QStringLiteral("Version 3.12.7"));
    }

    void aboutShowsThisBuildsVersionAndTheMakers()
    {
        frmAbout about(*m_Desktop, m_Frame.get());
        QCOMPARE(about.windowTitle(), QStringLiteral("About Applicaiton"));
        QCOMPARE(about.lblVersion()->text(),
                 QStringLiteral("Version ") + QStringLiteral(TEMBUSA_VERSION_STRING));
        const QStringList maker = about.lblDescription()->text().split(QLatin1Char('\n'));
        QCOMPARE(maker.size(), 6);
        QCOMPARE(maker.first(), QStringLiteral("Program ini dibuat oleh "));
        QCOMPARE(maker[1], QStringLiteral("Web: https://rumbela.example.org/"));
        QVERIFY(!about.lblDisclaimer()->text().isEmpty());
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
                 QStringLiteral("&System Info..."));
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void systemInfoStartsAProgramFromPathOrSaysItIsUnavailable()
    {
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([path] { qputenv("PATH", path); });
        const QString bin = m_Dir->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        qputenv("PATH", QFile::encodeName(bin));
        frmAbout about(*m_Desktop, m_Frame.get());
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")),
                          Qt::LeftButton);
        QCOMPARE(m_Desktop->messages, QStringList{QApplication::applicationName() +
                                                  QStringLiteral("|System Information Is "
                                                                 "Unavailable At This Time")});

        // A program of the list on PATH is started, and nothing is said.
        const QString program = bin + QStringLiteral("/hardinfo");
        WriteFile(program, "#!/bin/sh\n: > \"$0.ran\"\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        about.StartSysInfo();
        QTRY_VERIFY(QFile::exists(program + QStringLiteral(".ran")));
        QCOMPARE(m_Desktop->messages.size(), 1);
    }
};

QTEST_MAIN(ViewsTest)
#include "ViewsTest.moc"
