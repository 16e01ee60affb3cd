// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TranslationLog.h"

#include <QDir>

#include <sys/file.h>

namespace tembusa {
namespace {

// Logs beyond this many concurrent runs are not written.
constexpr int kMaxLogs = 99;

QString LogName(int number)
{
    return QStringLiteral("$$%1.LOG").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

TranslationLog::TranslationLog(const QString& folder) : m_File(QDir(folder).filePath(LogName(1)))
{
    // The file is opened without emptying it, so that a log another run
    // holds is left whole; only the log this run has locked is emptied.
    for (int number = 1; number <= kMaxLogs; ++number) {
        m_File.setFileName(QDir(folder).filePath(LogName(number)));
        if (!m_File.open(QIODevice::ReadWrite))
            return;
        if (flock(m_File.handle(), LOCK_EX | LOCK_NB) == 0) {
            if (!m_File.resize(0))
                m_File.close();
            return;
        }
        m_File.close();
    }
    m_File.setFileName(QDir(folder).filePath(LogName(1)));
}

TranslationLog::~TranslationLog()
{
    Close();
}

void TranslationLog::Append(const QString& result)
{
    if (!m_File.isOpen())
        return;
    const QByteArray bytes = QStringView(result).mid(m_Written).toUtf8();
    m_Written = result.size();
    if (m_File.write(bytes) == bytes.size())
        m_File.flush();
}

void TranslationLog::Close()
{
    // Closing the file gives up its lock.
    if (m_File.isOpen())
        m_File.close();
}

} // namespace tembusa
