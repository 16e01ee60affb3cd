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

void TranslationLog::Add(QStringView piece)
{
    if (m_File.isOpen())
        m_Pending += piece.toUtf8();
}

void TranslationLog::Write()
{
    if (!m_File.isOpen())
        return;
    if (m_File.write(m_Pending) == m_Pending.size())
        m_File.flush();
    m_Pending.clear();
}

void TranslationLog::Close()
{
    if (m_File.isOpen())
        m_File.close();
}

} // namespace tembusa
