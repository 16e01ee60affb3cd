// SPDX-License-Identifier: GPL-3.0-or-later
// Several processes on one dictionary at once: two translations whose
// meaning choices are answered on their terminals, one process learning
// words and one importing a dictd dictionary. Nothing any of them stores is
// lost, none meets a lock it cannot wait for, and no output holds a wrong word.
#include "Dictzip.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tembusa {
namespace {

constexpr int kWords = 20;      // words with two meanings each
constexpr int kSentences = 60;  // per translation, five such words each
constexpr int kLearned = 300;   // words the learner teaches
constexpr int kImported = 1500; // headwords of the imported dictionary

// A translation with --ask on a terminal of its own; every question is
// answered "2". Output and messages go to files.
class AskingTranslation
{
public:
    AskingTranslation(const QString& db, const QString& input, const QString& out,
                      const QString& err, int answers)
    {
        m_Pid = forkpty(&m_Master, nullptr, nullptr, nullptr);
        if (m_Pid == 0) {
            const QByteArray cli(TEMBUSA_CLI_PATH), d = db.toUtf8(), i = input.toUtf8(),
                                                    o = out.toUtf8(), e = err.toUtf8();
            execl("/bin/sh", "sh", "-c",
                  "exec \"$0\" translate --ask --db \"$1\" \"$2\" >\"$3\" 2>\"$4\"",
                  cli.constData(), d.constData(), i.constData(), o.constData(), e.constData(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        m_Pending = QByteArray("2\n").repeated(answers);
    }

    // Feeds answers and drains the terminal until the process ends; its exit
    // code, or -1 when it did not end in time.
    int Finish(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        int status = 0;
        while (clock.elapsed() < timeoutMs) {
            pollfd fd{m_Master, short(POLLIN | (m_Pending.isEmpty() ? 0 : POLLOUT)), 0};
            if (poll(&fd, 1, 50) > 0) {
                char buffer[4096];
                if ((fd.revents & POLLIN) && read(m_Master, buffer, sizeof buffer) < 0 &&
                    errno != EINTR && errno != EAGAIN)
                    fd.revents = 0; // the terminal is gone with the process
                if ((fd.revents & POLLOUT) && !m_Pending.isEmpty()) {
                    const ssize_t n = write(m_Master, m_Pending.constData(),
                                            size_t(qMin<qsizetype>(m_Pending.size(), 64)));
                    if (n > 0)
                        m_Pending.remove(0, n);
                }
            }
            if (waitpid(m_Pid, &status, WNOHANG) == m_Pid) {
                m_Pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return -1;
    }

    ~AskingTranslation()
    {
        if (m_Pid > 0) {
            kill(m_Pid, SIGKILL);
            waitpid(m_Pid, nullptr, 0);
        }
        close(m_Master);
    }

private:
    pid_t m_Pid = -1;
    int m_Master = -1;
    QByteArray m_Pending;
};

QByteArray ImportedDictionary(QByteArray& index)
{
    QByteArray text;
    for (int i = 0; i < kImported; ++i) {
        const QByteArray body =
            "imp" + QByteArray::number(i) + " <n>\nimpor" + QByteArray::number(i) + "\n";
        index += "imp" + QByteArray::number(i) + '\t' + test::DictdNumber(text.size()) + '\t' +
                 test::DictdNumber(body.size()) + '\n';
        text += body;
    }
    return test::Dictzip(text);
}

TEST(MultiProcess, NothingStoredIsLostAndNoProcessMeetsALock)
{
    test::TempFolder folder;
    const QString db = test::CreateKamus(folder.path());
    QString rows;
    for (int i = 0; i < kWords; ++i)
        rows += QStringLiteral("('qa%1','qb%1','qc%1'),").arg(i);
    rows.chop(1);
    test::ExecSql(db,
                  QStringLiteral("INSERT INTO [indo-data](English, Indo1, Indo2) VALUES ") + rows);
    QByteArray text;
    QByteArray expected;
    for (int s = 0; s < kSentences; ++s) {
        QByteArray english, indonesian;
        for (int w = 0; w < 5; ++w) {
            const QByteArray n = QByteArray::number((s * 5 + w) % kWords);
            english += (w ? " qa" : "qa") + n;
            indonesian += (w ? " qc" : "qc") + n;
        }
        text += english + ".\n";
        expected += indonesian + ". \n";
    }
    folder.Write(QStringLiteral("in.txt"), text);
    QByteArray index;
    folder.Write(QStringLiteral("imp.dict.dz"), ImportedDictionary(index));
    folder.Write(QStringLiteral("imp.index"), index);

    const int answers = kSentences * 5;
    AskingTranslation first(db, folder.file(QStringLiteral("in.txt")),
                            folder.file(QStringLiteral("out1.txt")),
                            folder.file(QStringLiteral("err1.txt")), answers);
    AskingTranslation second(db, folder.file(QStringLiteral("in.txt")),
                             folder.file(QStringLiteral("out2.txt")),
                             folder.file(QStringLiteral("err2.txt")), answers);
    QProcess learner;
    learner.start(QStringLiteral(KAMUS_LEARNER_PATH), {db, QString::number(kLearned)});
    QProcess importer;
    importer.start(QStringLiteral(TEMBUSA_CLI_PATH),
                   {QStringLiteral("dict"), QStringLiteral("import-freedict"),
                    folder.file(QStringLiteral("imp.index")),
                    folder.file(QStringLiteral("imp.dict.dz")), QStringLiteral("--db"), db});

    EXPECT_EQ(first.Finish(120000), 0);
    EXPECT_EQ(second.Finish(120000), 0);
    ASSERT_TRUE(learner.waitForFinished(120000));
    ASSERT_TRUE(importer.waitForFinished(120000));
    EXPECT_EQ(learner.exitCode(), 0) << learner.readAllStandardError().toStdString();
    EXPECT_EQ(learner.readAllStandardOutput(), QByteArray("0 warnings\n"));
    EXPECT_EQ(importer.exitCode(), 0) << importer.readAllStandardError().toStdString();

    for (const char* name : {"1", "2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(folder.Read(QStringLiteral("out%1.txt").arg(QLatin1String(name))), expected);
        const QByteArray err = folder.Read(QStringLiteral("err%1.txt").arg(QLatin1String(name)));
        EXPECT_FALSE(err.contains("locked"));
        EXPECT_FALSE(err.contains("not remembered"));
        EXPECT_FALSE(err.contains("cannot be read"));
    }
    // Every answer is one increment of the second counter.
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT sum(Stat2) FROM [indo-data]")),
              QVariant(qint64(2 * answers)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT sum(Stat1) FROM [indo-data]")),
              QVariant(qint64(0)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-data] "
                                                  "WHERE English LIKE 'learn%'")),
              QVariant(qint64(kLearned)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("SELECT count(*) FROM [indo-data] "
                                                  "WHERE English LIKE 'imp%'")),
              QVariant(qint64(kImported)));
    EXPECT_EQ(test::QueryValue(db, QStringLiteral("PRAGMA integrity_check")),
              QVariant(QStringLiteral("ok")));
}

} // namespace
} // namespace tembusa
