// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

#include <memory>

namespace tembusa {

// An ordered list of (item, key) text pairs numbered from 1, with lookups by
// number and by key. XAdd stores keys in lower case (ASCII letters); keys
// need not be unique unless ReqUniqueKey is set, and the empty key is valid.
// Misuse throws tembusa::Error with the numbers given below.
class TEMBUSA_EXPORT Collection
{
public:
    Collection();
    ~Collection();
    Collection(const Collection& other);
    Collection& operator=(const Collection& other);

    // slot 1: appends the pair (item, key), the key put in lower case.
    // Throws 457 when ReqUniqueKey is set and the key is already present
    // (compared in lower case); nothing is added then.
    void XAdd(const QString& item, const QString& key = QString());

    // slot 2: when true, a key may occur only once. False at creation.
    bool ReqUniqueKey() const;
    void ReqUniqueKey(bool YesorNo);

    // slot 3: the number of pairs.
    qint32 XCount() const;

    // slot 4: reads item XIndex, or, when NewData is not empty, replaces it
    // and returns the empty text. An XIndex outside 1 to XCount gives the
    // empty text and changes nothing. Never throws.
    QString XItem(qint32 XIndex, const QString& NewData = QString());

    // slot 5: the item of the first pair whose key equals KeyData in lower
    // case, probing from both ends and from the middle outwards at once;
    // "-1" when there is none. Never throws.
    QString XItembyKey(const QString& KeyData) const;

    // slot 6: reads key XIndex, or, when NewKey is not empty, stores it
    // unchanged (not lower-cased) and returns the empty text. An XIndex above
    // XCount gives the empty text; one below 1 throws 9.
    QString XKey(qint32 XIndex, const QString& NewKey = QString());

    // slot 7: removes pair XIndex and closes the gap. Throws 9 for an XIndex
    // above XCount and -2147221495 for one below 1; nothing changes then.
    void XRemove(qint32 XIndex);

private:
    bool IsKeyUnique(const QString& key) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tembusa
