// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/Collection.h>

#include <tembusa/Error.h>

#include "platform/AsciiCase.h"

#include <QHash>
#include <QStringList>

namespace tembusa {

struct Collection::Impl
{
    bool m_ReqUniqueKey = false;
    // Pair i is (m_Items[i - 1], m_Keys[i - 1]); both lists always have the
    // same length, which is XCount.
    QStringList m_Items;
    QStringList m_Keys;
    // How often each key occurs, in lower case, so a unique-key check does
    // not walk all the keys.
    QHash<QString, qint32> m_KeyCounts;

    bool InRange(qint32 index) const { return index >= 1 && index <= m_Items.size(); }

    void CountKey(const QString& key, qint32 change)
    {
        const QString lower = AsciiLower(key);
        qint32& count = m_KeyCounts[lower];
        count += change;
        if (count <= 0)
            m_KeyCounts.remove(lower);
    }
};

namespace {

// Half of count rounded to the nearest whole number, a half to the even
// neighbour (1.5 gives 2, 2.5 gives 2): where the middle probes start.
qint32 MiddleOf(qint32 count)
{
    const qint32 half = count / 2;
    if (count % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

} // namespace

Collection::Collection() : d(std::make_unique<Impl>()) {}

Collection::~Collection() = default;

Collection::Collection(const Collection& other) : d(std::make_unique<Impl>(*other.d)) {}

Collection& Collection::operator=(const Collection& other)
{
    if (this != &other)
        *d = *other.d;
    return *this;
}

void Collection::XAdd(const QString& item, const QString& key)
{
    const QString lowerKey = AsciiLower(key);
    if (d->m_ReqUniqueKey && !IsKeyUnique(lowerKey))
        throw Error(Error::kDuplicateKey,
                    QStringLiteral("This key is already associated with an element of this "
                                   "collection: \"%1\".")
                        .arg(key));
    d->m_Items.append(item);
    d->m_Keys.append(lowerKey);
    d->CountKey(lowerKey, 1);
}

bool Collection::ReqUniqueKey() const
{
    return d->m_ReqUniqueKey;
}

void Collection::ReqUniqueKey(bool YesorNo)
{
    d->m_ReqUniqueKey = YesorNo;
}

qint32 Collection::XCount() const
{
    return static_cast<qint32>(d->m_Items.size());
}

QString Collection::XItem(qint32 XIndex, const QString& NewData)
{
    if (!d->InRange(XIndex))
        return QString();
    if (!NewData.isEmpty()) {
        d->m_Items[XIndex - 1] = NewData;
        return QString();
    }
    return d->m_Items.at(XIndex - 1);
}

QString Collection::XItembyKey(const QString& KeyData) const
{
    const QString probe = AsciiLower(KeyData);
    const qint32 count = XCount();
    qint32 front = 1;
    qint32 back = count;
    qint32 midDown = MiddleOf(count);
    qint32 midUp = midDown;
    if (count == 0)
        return QStringLiteral("-1");
    do {
        for (const qint32 index : {front, back, midDown, midUp}) {
            // A probe outside the pairs ends the search (with one pair the
            // middle probe is 0).
            if (!d->InRange(index))
                return QStringLiteral("-1");
            if (d->m_Keys.at(index - 1) == probe)
                return d->m_Items.at(index - 1);
        }
        ++front;
        --back;
        --midDown;
        ++midUp;
    } while (back >= midUp || midDown >= front);
    return QStringLiteral("-1");
}

QString Collection::XKey(qint32 XIndex, const QString& NewKey)
{
    if (XIndex > XCount())
        return QString();
    if (XIndex < 1)
        throw Error(Error::kSubscriptOutOfRange,
                    QStringLiteral("Subscript out of range: there is no key %1.").arg(XIndex));
    if (!NewKey.isEmpty()) {
        d->CountKey(d->m_Keys.at(XIndex - 1), -1);
        d->m_Keys[XIndex - 1] = NewKey;
        d->CountKey(NewKey, 1);
        return QString();
    }
    return d->m_Keys.at(XIndex - 1);
}

void Collection::XRemove(qint32 XIndex)
{
    if (XIndex > XCount())
        throw Error(Error::kSubscriptOutOfRange,
                    QStringLiteral("Subscript out of range: there is no pair %1 of %2.")
                        .arg(XIndex)
                        .arg(XCount()));
    if (XIndex < 1)
        throw Error(
            Error::kInvalidIndex,
            QStringLiteral("Cannot remove pair %1: pairs are numbered from 1.").arg(XIndex));
    // Removing the only pair empties the collection, so a user can delete
    // the last entry of a dictionary.
    d->CountKey(d->m_Keys.at(XIndex - 1), -1);
    d->m_Items.removeAt(XIndex - 1);
    d->m_Keys.removeAt(XIndex - 1);
}

// Keys are compared in lower case, as XAdd stores them; a key that XKey
// stored with capitals counts as its lower-case form.
bool Collection::IsKeyUnique(const QString& key) const
{
    return !d->m_KeyCounts.contains(AsciiLower(key));
}

} // namespace tembusa
