// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVariantList>

#include <optional>

namespace tembusa {

// The dictionary's answers kept for one connection, so a question asked again
// costs no query. Every answer was read under one data generation of the
// connection (Connection::DataGeneration); when the generation changes, all of
// them are dropped, so an answer given from here is always the one the
// database would give at that moment.
class LookupCache
{
public:
    // What else an answer depends on besides the database.
    enum class Needs : quint8 {
        Nothing,
        Statistics, // a meaning chosen by the usage counters
        LearnOff,   // a word not found that was not learned
    };

    struct Answer
    {
        QString result;
        qint16 flag = 0;
        Needs needs = Needs::Nothing;
    };

    // Drops everything kept under another generation.
    void Validate(quint64 generation);

    // The kept answer for a trimmed word, or nullptr when there is none that
    // holds with these switches.
    const Answer* Find(const QString& word, bool useStatistic, bool learnOff) const;

    // Keeps an answer. The number of answers is bounded: when it is reached,
    // the cache starts again empty.
    void Store(const QString& word, Answer answer);

    // The rows of [Indo-Rule1] as LoadRule1 hands them over.
    std::optional<QVariantList> rules;

    // All the words of one table's word column, each as its UTF-8 bytes with
    // the ASCII letters in lower case: a word whose key is not among them
    // has no row, as a query comparing with NOCASE would find. Read only once
    // the table has been asked about often enough in one generation that
    // reading it whole costs less than the queries it saves.
    struct KeySet
    {
        bool loaded = false;
        qint64 queries = 0; // asked of the database in this generation
        QSet<QByteArray> keys;
    };
    KeySet rejected; // [indo-tolak]
    KeySet ignored;  // [indo-acuh]
    KeySet english;  // [indo-data]

    // The key of a word as the key sets hold it.
    static QByteArray Key(const QString& word);

private:
    quint64 m_Generation = 0;
    QHash<QString, Answer> m_Answers;
};

// Whether dictionaries keep answers and batch their reads (on by default).
// Off, every lookup asks the database in its own transaction, as a plain
// dictionary does; tests compare the two.
void UseLookupShortcuts(bool on);
bool LookupShortcuts();

} // namespace tembusa
