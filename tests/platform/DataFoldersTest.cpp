// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A temporary prefix and a temporary XDG_DATA_HOME for the length of a test.
class DataFoldersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Root.isValid());
        m_SavedXdg = qgetenv("XDG_DATA_HOME");
        m_HadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Path(QStringLiteral("xdg")).toLocal8Bit());
    }

    void TearDown() override
    {
        if (m_HadXdg)
            qputenv("XDG_DATA_HOME", m_SavedXdg);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QString Path(const QString& relative) const { return m_Root.filePath(relative); }
    QString Prefix() const { return Path(QStringLiteral("usr")); }
    QString Shared() const
    {
        return Prefix() + QStringLiteral("/" TEMBUSA_INSTALL_DATADIR "/rumbela");
    }
    QString User() const { return Path(QStringLiteral("xdg/rumbela")); }

    // The shipped data of an installed prefix.
    void Install(const QByteArray& kamus)
    {
        QDir().mkpath(Prefix() + QStringLiteral("/" TEMBUSA_INSTALL_BINDIR));
        QDir().mkpath(Prefix() + QStringLiteral("/" TEMBUSA_INSTALL_LIBDIR));
        WriteAll(Shared() + QStringLiteral("/kamus.mdb"), kamus);
    }

    DataFolders Installed() const
    {
        return DataFoldersFor(Prefix() + QStringLiteral("/" TEMBUSA_INSTALL_BINDIR));
    }

private:
    QTemporaryDir m_Root;
    QByteArray m_SavedXdg;
    bool m_HadXdg = false;
};

TEST_F(DataFoldersTest, InstalledProgramsKeepUserFilesApartFromSharedData)
{
    Install("shipped");
    for (const char* dir : {TEMBUSA_INSTALL_BINDIR, TEMBUSA_INSTALL_LIBDIR}) {
        SCOPED_TRACE(dir);
        const DataFolders folders =
            DataFoldersFor(Prefix() + QLatin1Char('/') + QString::fromUtf8(dir));
        EXPECT_TRUE(folders.installed);
        EXPECT_EQ(folders.shared, Shared());
        EXPECT_EQ(folders.user, User());
    }
}

TEST_F(DataFoldersTest, AnythingElseIsABuildTreeHoldingEverything)
{
    Install("shipped");
    QDir().mkpath(Path(QStringLiteral("build/bin")));
    QDir().mkpath(Path(QStringLiteral("usr/tools")));
    const QString cases[] = {
        Path(QStringLiteral("build/bin")), // no share/rumbela beside it
        Path(QStringLiteral("usr/tools")), // not a program folder of the install
        QString(),
    };
    for (const QString& folder : cases) {
        SCOPED_TRACE(folder.toStdString());
        const DataFolders folders = DataFoldersFor(folder);
        EXPECT_FALSE(folders.installed);
        EXPECT_EQ(folders.user, folder);
        EXPECT_EQ(folders.shared, folder);
    }
}

TEST_F(DataFoldersTest, UserDataFolderFollowsXdgDataHome)
{
    EXPECT_EQ(UserDataFolder(), User());
}

TEST_F(DataFoldersTest, SeedingCopiesTheShippedFileOnceAndNeverReplacesTheUsersOwn)
{
    Install("shipped v1");
    const DataFolders folders = Installed();
    QString error;
    ASSERT_TRUE(SeedUserFile(folders, QStringLiteral("kamus.mdb"), error)) << error.toStdString();
    EXPECT_EQ(ReadAll(User() + QStringLiteral("/kamus.mdb")), "shipped v1");
    EXPECT_EQ(ReadAll(Shared() + QStringLiteral("/kamus.mdb")), "shipped v1");
    EXPECT_TRUE(QFileInfo(User() + QStringLiteral("/kamus.mdb")).isWritable());

    // The user teaches it words; an upgrade ships a new default.
    WriteAll(User() + QStringLiteral("/kamus.mdb"), "learned");
    WriteAll(Shared() + QStringLiteral("/kamus.mdb"), "shipped v2");
    ASSERT_TRUE(SeedUserFile(folders, QStringLiteral("kamus.mdb"), error));
    EXPECT_EQ(ReadAll(User() + QStringLiteral("/kamus.mdb")), "learned");
    EXPECT_EQ(ReadAll(Shared() + QStringLiteral("/kamus.mdb")), "shipped v2");
}

TEST_F(DataFoldersTest, SeedingAFileNothingShipsOnlyMakesTheFolder)
{
    Install("shipped");
    QString error;
    ASSERT_TRUE(SeedUserFile(Installed(), QStringLiteral("recent.rct"), error));
    EXPECT_TRUE(QFileInfo(User()).isDir());
    EXPECT_FALSE(QFileInfo::exists(User() + QStringLiteral("/recent.rct")));
}

TEST_F(DataFoldersTest, SeedingInABuildTreeTouchesNothing)
{
    const QString folder = Path(QStringLiteral("build/bin"));
    QString error;
    EXPECT_TRUE(SeedUserFile(DataFoldersFor(folder), QStringLiteral("kamus.mdb"), error));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(QFileInfo::exists(User()));
}

TEST_F(DataFoldersTest, AUserFolderThatCannotBeMadeIsReported)
{
    Install("shipped");
    // A file where the data folder's parent should be.
    WriteAll(Path(QStringLiteral("xdg")), "not a folder");
    QString error;
    EXPECT_FALSE(SeedUserFile(Installed(), QStringLiteral("kamus.mdb"), error));
    EXPECT_TRUE(error.contains(User())) << error.toStdString();
}

} // namespace
} // namespace tembusa
