// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

namespace tembusa {

// The translation log "$$0001.LOG" in a folder: emptied when a run starts,
// it always holds the result up to the latest line break. Each write appends
// only what the result gained since the last one, so the log grows linearly.
// A run owns its log while it writes (an advisory lock): a second run at the
// same time writes "$$0002.LOG" (and so on), so no run's partial result is
// overwritten. A log that cannot be written is skipped; the run is not
// affected.
class TranslationLog
{
public:
    explicit TranslationLog(const QString& folder);
    ~TranslationLog();
    TranslationLog(const TranslationLog&) = delete;
    TranslationLog& operator=(const TranslationLog&) = delete;

    // result is the whole result so far; the log takes what is new in it.
    void Append(const QString& result);
    // Ends the writing and gives up the log.
    void Close();
    QString Path() const { return m_File.fileName(); }

private:
    QFile m_File;
    qsizetype m_Written = 0;
};

} // namespace tembusa
