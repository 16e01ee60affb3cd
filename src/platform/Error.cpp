// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/Error.h>

namespace tembusa {

Error::Error(qint32 number, const QString& description)
    : m_Number(number), m_Description(description), m_What(description.toStdString())
{}

const char* Error::what() const noexcept
{
    return m_What.c_str();
}

} // namespace tembusa
