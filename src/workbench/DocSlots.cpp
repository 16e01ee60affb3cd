// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/DocSlots.h"

namespace rumbela {

bool DocSlots::Free(qint16 slot) const
{
    return slot >= 1 && slot <= Count() && m_Free[slot - 1];
}

void DocSlots::Free(qint16 slot, bool value)
{
    if (slot >= 1 && slot <= Count())
        m_Free[slot - 1] = value;
}

qint16 DocSlots::FindFreeIndex()
{
    const qint16 n = Count();
    if (n == 0)
        return 0;
    for (int i = 1; i <= n; ++i) {
        if (m_Free[i - 1]) {
            m_Free[i - 1] = false;
            return qint16(i);
        }
    }
    if (n == kMaxSlot)
        return 0;
    m_Free.append(false);
    return qint16(n + 1);
}

qint16 DocSlots::TakeSlot()
{
    qint16 slot = FindFreeIndex();
    if (slot == 0 && Count() == 0) {
        m_Free.append(false);
        slot = 1;
    }
    if (slot != 0)
        m_NewDocIndex = slot;
    return slot;
}

QString DocTabKey(qint16 slot)
{
    return QStringLiteral("key") + QString::number(slot);
}

qint16 SlotOfTabKey(const QString& key)
{
    bool ok = false;
    const int slot = key.mid(3).toInt(&ok);
    if (!ok || slot < 1 || slot > DocSlots::kMaxSlot)
        return 0;
    return qint16(slot);
}

} // namespace rumbela
