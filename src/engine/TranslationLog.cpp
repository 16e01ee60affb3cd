// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TranslationLog.h"

namespace tembusa {

TranslationLog::TranslationLog(const QString& path) : m_File(path)
{
    if (!m_File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        m_File.setFileName(path);
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
    if (m_File.isOpen())
        m_File.close();
}

} // namespace tembusa
