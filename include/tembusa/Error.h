// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

#include <exception>
#include <string>

namespace tembusa {

// The one exception type that leaves the library. number() carries the
// system's error number; description() a message for the user.
class TEMBUSA_EXPORT Error : public std::exception
{
public:
    // Well-known error numbers.
    static constexpr qint32 kInvalidArgument = 5;
    static constexpr qint32 kSubscriptOutOfRange = 9;
    static constexpr qint32 kFileNotFound = 53;
    static constexpr qint32 kDuplicateKey = 457;
    static constexpr qint32 kInvalidIndex = -2147221495;

    Error(qint32 number, const QString& description);

    qint32 number() const noexcept { return m_Number; }
    QString description() const { return m_Description; }
    const char* what() const noexcept override;

private:
    qint32 m_Number;
    QString m_Description;
    std::string m_What;
};

} // namespace tembusa
