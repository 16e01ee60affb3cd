// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace rumbela {

// The numbered slots of the open documents. Slots count from 1 and are never
// renumbered, so a document keeps its number, its Tag and its tab key for its
// whole life; a closed document's slot is free until a new document takes it,
// lowest free slot first. Slot numbers are 16-bit, at most kMaxSlot.
class DocSlots
{
public:
    static constexpr qint16 kMaxSlot = 32767;

    // Upper bound of the slot arrays: 0 before the first document.
    qint16 Count() const { return qint16(m_Free.size()); }

    // The slot's document was closed. False outside 1..Count.
    bool Free(qint16 slot) const;
    void Free(qint16 slot, bool value);

    // Hands out a slot: the lowest free one (its Free cleared), else a new
    // slot after the last. Returns 0 while there are no slots at all, and 0
    // when all kMaxSlot slots are in use.
    qint16 FindFreeIndex();

    // FindFreeIndex, making slot 1 when there are no slots yet; 0 when every
    // slot is in use. Sets NewDocIndex to the slot handed out.
    qint16 TakeSlot();

    // Slot of the active document window; 0 when none.
    qint16 CurrentDoc() const { return m_CurrentDoc; }
    void CurrentDoc(qint16 value) { m_CurrentDoc = value; }

    // Slot handed out last; 0 until the first document.
    qint16 NewDocIndex() const { return m_NewDocIndex; }
    void NewDocIndex(qint16 value) { m_NewDocIndex = value; }

private:
    QList<bool> m_Free; // index 0 is slot 1
    qint16 m_CurrentDoc = 0;
    qint16 m_NewDocIndex = 0;
};

// The key of a document's tab: "key" followed by the slot ("key3").
QString DocTabKey(qint16 slot);

// The slot named by a tab key: the number from its fourth character on; 0
// when that is not a slot number.
qint16 SlotOfTabKey(const QString& key);

} // namespace rumbela
