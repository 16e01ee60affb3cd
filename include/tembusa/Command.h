// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

// Reserved in the library's interface; its members keep no state.
class TEMBUSA_EXPORT Command
{
public:
    // slot 1: does nothing.
    void Run(const QString& sCommand);
    // slot 2: does nothing.
    void Parse(const QString& sCommand);
    // slots 3-4: reads the empty text; writing drops the value.
    QString Arti() const;
    void Arti(const QString& value);
};

} // namespace tembusa
