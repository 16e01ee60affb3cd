// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include "dictionary/Connect.h"
#include "platform/AppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace tembusa::fuzz {

QByteArray InputBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString UseFuzzFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    // Removed when the process ends normally; a crash leaves it for a look.
    static QTemporaryDir folder(base + QStringLiteral("/tembusa-fuzz-XXXXXX"));
    if (!folder.isValid())
        Fail("cannot create the fuzz folder");
    OverrideAppFolder(folder.path());
    SetDictionaryPath(QString());
    return folder.path();
}

void WriteAppFile(const QString& name, const QByteArray& bytes)
{
    QFile file(AppFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Fail("cannot write an input file");
}

void UseQuietUi()
{
    static QuietUi ui;
    InstallUi(&ui);
}

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace tembusa::fuzz
