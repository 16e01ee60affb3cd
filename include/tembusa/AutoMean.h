// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

// Reserved in the library's interface; its members keep no state.
class TEMBUSA_EXPORT AutoMean
{
public:
    // slot 1: does nothing.
    void Load();
    // slot 2: always the empty text.
    QString Search(const QString& sWord) const;
    // slot 3: does nothing.
    void Add();
    // slot 4: always 0.
    qint32 index() const;
};

} // namespace tembusa
