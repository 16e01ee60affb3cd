// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KamusWriter.h"

#include "cli/Progress.h"

#include "dictionary/Connect.h"
#include "platform/AsciiCase.h"

namespace tembusa::cli {

QString StoredText(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QLatin1Char('`'));
}

KamusWriter::~KamusWriter()
{
    if (m_InTransaction)
        m_Connection.Execute(QStringLiteral("ROLLBACK"));
}

bool KamusWriter::Run(const QString& sql, const QVariantList& params, QString& error)
{
    if (m_Connection.Execute(sql, params))
        return true;
    error = QStringLiteral("cannot write to \"%1\": %2").arg(m_Path, m_Connection.LastError().text);
    return false;
}

bool KamusWriter::Begin(const QString& path, QString& error)
{
    m_Path = path;
    if (!m_Connection.Open(BuildConnectionString(path))) {
        error = m_Connection.LastError().text;
        return false;
    }
    if (!Run(QStringLiteral("BEGIN IMMEDIATE"), {}, error))
        return false;
    m_InTransaction = true;
    return LoadPresent(error);
}

bool KamusWriter::LoadPresent(QString& error)
{
    const auto rows = m_Connection.OpenRecordset(QStringLiteral("SELECT English FROM [indo-data]"));
    if (!rows) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(m_Path, m_Connection.LastError().text);
        return false;
    }
    Recordset words = *rows;
    for (; !words.IsEOF(); words.MoveNext())
        m_Present.insert(AsciiLower(words.Field(QStringLiteral("English")).toString()));
    return true;
}

bool KamusWriter::AddRows(const std::vector<KamusRow>& rows, const QString& progressLabel,
                          qint32& written, qint32& present, QString& error)
{
    static const QString insert = QStringLiteral(
        "INSERT INTO [indo-data](English, Indo1, Indo2, Indo3, Indo4, Indo5, "
        "Stat1, Stat2, Stat3, Stat4, Stat5) VALUES(?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0)");
    Progress progress(progressLabel, qint64(rows.size()));
    written = 0;
    present = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        progress.Step(qint64(i));
        const KamusRow& row = rows[i];
        const QString english = StoredText(row.english);
        if (m_Present.contains(AsciiLower(english))) {
            ++present;
            continue;
        }
        // Meanings a row does not have stay NULL, which the lookup and the
        // meaning choice read as "none".
        QVariantList params{english};
        for (int n = 0; n < kMaxMeanings; ++n)
            params << (n < row.meanings.size() ? QVariant(StoredText(row.meanings.at(n)))
                                               : QVariant());
        if (!Run(insert, params, error))
            return false;
        m_Present.insert(AsciiLower(english));
        ++written;
    }
    return true;
}

bool KamusWriter::AddLists(const CoreLists& lists, QString& error)
{
    // Rule words are compared with the words of a sentence as they stand, so
    // they are stored as written.
    for (const RuleWord& rule : lists.rules) {
        if (!Run(QStringLiteral("INSERT INTO [Indo-Rule1](English, TypeBA) VALUES(?, ?)"),
                 {rule.english, rule.typeBA}, error))
            return false;
    }
    for (const QString& word : lists.rejected) {
        if (!Run(QStringLiteral("INSERT INTO [indo-tolak](kata) VALUES(?)"), {StoredText(word)},
                 error))
            return false;
    }
    for (const QString& word : lists.ignored) {
        if (!Run(QStringLiteral("INSERT INTO [indo-acuh](kata) VALUES(?)"), {StoredText(word)},
                 error))
            return false;
    }
    return true;
}

bool KamusWriter::Commit(QString& error)
{
    if (!Run(QStringLiteral("COMMIT"), {}, error))
        return false;
    m_InTransaction = false;
    m_Connection.Close();
    return true;
}

} // namespace tembusa::cli
