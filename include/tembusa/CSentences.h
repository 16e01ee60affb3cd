// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

// Reserved in the library's interface; its members keep no state.
class TEMBUSA_EXPORT CSentences
{
public:
    // slot 1: does nothing.
    void Add(const QString& sKalimat);
    // slot 2: always 0.
    qint32 count() const;
};

} // namespace tembusa
