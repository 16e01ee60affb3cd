// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>
#include <QStringList>

namespace tembusa {

// A simple word list read from "Kamus.txt" in the application folder: one
// entry per line, an English word or phrase, TAB, its meaning (further
// fields are ignored). Arti finds a meaning by prefix.
class TEMBUSA_EXPORT CWords
{
public:
    CWords();
    ~CWords();

    // slot 1: reads "Kamus.txt" afresh, replacing the list. Lines that are
    // empty or begin with a control character are not entries. A missing or
    // unreadable file throws Error 53 (or the read failure) and keeps the
    // list as it was.
    void Load();

    // slot 2: does nothing.
    void Add(const QString& sWord);

    // slot 3: always 0.
    qint32 count() const;

    // slots 4-5: reads the empty text; writing drops the value.
    QString Words() const;
    void Words(const QString& value);

    // slot 6: the meaning of the first entry that begins with sKata (ASCII
    // case ignored): its second TAB-separated field, or the empty text when
    // the entry has no TAB. sKata unchanged when no entry matches; the empty
    // text for an empty sKata.
    QString Arti(const QString& sKata) const;

private:
    QStringList m_Lines;
};

} // namespace tembusa
