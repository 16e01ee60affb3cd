// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>
#include <QVariant>

#include <memory>

namespace tembusa {

// The dictionary: one connection to the database "kamus.mdb" of the
// application folder, opened by OpenAll and held for the object's life.
// Database failures are shown at once in the error box and give a neutral
// result (empty text, false, no rows).
class TEMBUSA_EXPORT KamusData
{
public:
    KamusData();
    ~KamusData();
    KamusData(const KamusData&) = delete;
    KamusData& operator=(const KamusData&) = delete;

    // slot 1: true: a word with several meanings takes its most chosen one;
    // false: the user is asked. False at creation.
    bool m_UseStatistic() const;
    void m_UseStatistic(bool value);

    // slot 2: the outcome code of the last lookup (0 to 10, or 100).
    qint16 Flag() const;
    void Flag(qint16 value);

    // slot 3: the connection opened; the same value as Connected.
    bool m_Connected() const;
    void m_Connected(bool value);

    // slot 4: opens the dictionary database. A failure shows the error box
    // once and leaves Connected false. Never creates or changes a file.
    void OpenAll();

    // slot 5: the Indonesian meaning of an English word or phrase, with one
    // blank appended when not empty; Flag tells the outcome.
    QString Arti(const QString& sWord);

    // slot 6: puts into rst the rows of [Indo-Rule1], as a QVariantList of
    // QVariantMap rows with the keys "English" and "TypeBA". On failure the
    // error box is shown and rst is left as it was.
    void LoadRule1(QVariant& rst);

    // slot 7: stores sWord in the table of unknown words. A failure is
    // ignored.
    void InsertUnknown(const QString& sWord);

    // slot 8: when true, a word that is not found is not learned.
    bool LearnOff() const;
    void LearnOff(bool value);

    // slot 9: the connection opened; the same value as m_Connected.
    bool Connected() const;
    void Connected(bool value);

    // slot 10: stores sWord in the table of unknown words like InsertUnknown,
    // and tells whether the dictionary took it.
    bool StoreUnknown(const QString& sWord);

    // slot 11: one line naming the file and the reason when a read of the
    // dictionary failed in this run; empty while every read worked. The
    // failure is reported once, g_StopFlag is set so that a translation
    // stops, and every later lookup of the run gives the empty text without
    // asking the database.
    QString Failure() const;

    // slot 12: begins a run: clears Failure, and a change the dictionary
    // cannot keep (a counter, a new meaning, a learned word) is reported
    // again, once. Translate calls it as it starts.
    void NewRun();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tembusa
