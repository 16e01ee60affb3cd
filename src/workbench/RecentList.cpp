// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/RecentList.h"

#include "platform/TextCodec.h"

#include <QFile>

#include <utility>

namespace rumbela {

namespace {

constexpr qsizetype kMaxEntryBytes = 0xFFFF;

void AppendEntry(QByteArray& bytes, const QString& path)
{
    QByteArray encoded = path.toUtf8();
    // No real path is this long; an entry whose length cannot be stored is
    // written empty so the layout stays readable.
    if (encoded.size() > kMaxEntryBytes)
        encoded.clear();
    const auto length = quint16(encoded.size());
    bytes.append(char(length & 0xFF));
    bytes.append(char(length >> 8));
    bytes.append(encoded);
}

} // namespace

RecentList::RecentList()
{
    m_Entries.fill(QString(), kCount);
}

QString RecentList::Entry(int index) const
{
    return m_Entries.value(index);
}

void RecentList::Add(const QString& path)
{
    m_Entries.removeAll(path);
    m_Entries.prepend(path);
    RemoveDuplicates();
}

void RecentList::RemoveDuplicates()
{
    QStringList kept;
    for (const QString& entry : std::as_const(m_Entries)) {
        if (!entry.isEmpty() && !kept.contains(entry))
            kept.append(entry);
    }
    while (kept.size() < kCount)
        kept.append(QString());
    kept.resize(kCount);
    m_Entries = kept;
}

QByteArray RecentList::ToBytes() const
{
    QByteArray bytes;
    for (const QString& entry : m_Entries)
        AppendEntry(bytes, entry);
    return bytes;
}

RecentList RecentList::FromBytes(const QByteArray& bytes)
{
    RecentList list;
    qsizetype pos = 0;
    for (int i = 0; i < kCount && pos + 2 <= bytes.size(); ++i) {
        const qsizetype length = quint8(bytes[pos]) | (qsizetype(quint8(bytes[pos + 1])) << 8);
        pos += 2;
        if (length > bytes.size() - pos)
            break;
        list.m_Entries[i] = tembusa::DecodeText(bytes.mid(pos, length));
        pos += length;
    }
    list.RemoveDuplicates();
    return list;
}

bool RecentList::Load(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        *this = RecentList();
        return false;
    }
    // Six entries take at most this many bytes; the rest is ignored anyway.
    // A buffer of that size is not made for the few bytes a list has.
    *this = FromBytes(file.read(qMin<qint64>(file.size(), kCount * (2 + kMaxEntryBytes))));
    return true;
}

bool RecentList::Save(const QString& filePath) const
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray bytes = ToBytes();
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace rumbela
