// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rumbela {

// The recent-file list: six paths, newest first, empty text for no entry.
//
// File layout (recent.rct), no header and no terminator: six entries, each a
// 16-bit little-endian length n and n bytes of the path (UTF-8; a path that is
// not valid UTF-8 is read as Windows-1252). An empty entry is 00 00.
class RecentList
{
public:
    static constexpr int kCount = 6;

    RecentList();

    // Entry at a 0-based index, newest first; empty text outside 0..5.
    QString Entry(int index) const;
    const QStringList& Entries() const { return m_Entries; }

    // Puts path first. A path already listed moves to the top; otherwise the
    // oldest entry is dropped.
    void Add(const QString& path);

    // The six entries in the file layout.
    QByteArray ToBytes() const;

    // Reads six entries from bytes. Bytes that end early give empty entries
    // for the rest; a length running past the end gives an empty entry (and
    // so do the ones after it); bytes after the sixth entry are ignored. A
    // path listed twice (older lists kept duplicates) is kept once, where it
    // stands first, and the list closes up behind it.
    static RecentList FromBytes(const QByteArray& bytes);

    // Reads the list from a file; a missing or unreadable file gives six
    // empty entries and false.
    bool Load(const QString& filePath);

    // Writes the six entries from the file's first byte. The file is not
    // truncated first, so bytes after the sixth entry may remain from a
    // longer list; readers ignore them. False when it cannot be written.
    bool Save(const QString& filePath) const;

private:
    // Drops repeated paths, keeping the first, and pads with empty entries.
    void RemoveDuplicates();

    QStringList m_Entries;
};

} // namespace rumbela
