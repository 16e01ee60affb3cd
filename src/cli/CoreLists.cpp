// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CoreLists.h"

#include "platform/AsciiCase.h"

#include <QFile>
#include <QSet>

#include <functional>

// Outside any namespace, as Qt's resource macro requires.
static void InitCoreListResources()
{
    Q_INIT_RESOURCE(CoreLists);
}

namespace tembusa::cli {
namespace {

// Calls parseLine for each line that is neither empty nor a comment, with its
// TAB-separated fields trimmed; stops at the first line it refuses.
bool ForEachLine(const QString& text, const QString& name, QString& error,
                 const std::function<QString(const QStringList&)>& parseLine)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char('\t'));
        for (QString& field : fields)
            field = field.trimmed();
        const QString problem = parseLine(fields);
        if (!problem.isEmpty()) {
            error = QStringLiteral("%1:%2: %3").arg(name).arg(i + 1).arg(problem);
            return false;
        }
    }
    return true;
}

// A problem text for a word met before, else the empty text.
QString Duplicate(QSet<QString>& seen, const QString& word)
{
    const QString key = AsciiLower(word);
    if (seen.contains(key))
        return QStringLiteral("\"%1\" is listed twice").arg(word);
    seen.insert(key);
    return QString();
}

bool ReadResource(const QString& name, QString& text, QString& error)
{
    QFile file(QStringLiteral(":/kamus/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("the built-in list %1 is missing").arg(name);
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

// The word lists of [indo-data], in the order they are written.
const QStringList kWordListNames = {
    QStringLiteral("core-words.tsv"), QStringLiteral("software-words.tsv"),
    QStringLiteral("inflected-words.tsv"), QStringLiteral("phrases.tsv")};

} // namespace

bool CheckDistinctWords(const std::vector<KamusRow>& rows, QString& error)
{
    // Each word has one home: a word in two lists would leave one of its rows
    // unused and its meanings in doubt.
    QSet<QString> seen;
    for (const KamusRow& row : rows) {
        if (!Duplicate(seen, row.english).isEmpty()) {
            error = QStringLiteral("\"%1\" is listed in more than one word list of data/")
                        .arg(row.english);
            return false;
        }
    }
    return true;
}

bool ParseWordRows(const QString& text, const QString& name, std::vector<KamusRow>& rows,
                   QString& error)
{
    QSet<QString> seen;
    return ForEachLine(text, name, error, [&](const QStringList& fields) {
        if (fields.at(0).isEmpty())
            return QStringLiteral("the English word is missing");
        if (fields.size() < 2)
            return QStringLiteral("\"%1\" has no meaning").arg(fields.at(0));
        if (fields.size() > kMaxMeanings + 1)
            return QStringLiteral("\"%1\" has more than %2 meanings")
                .arg(fields.at(0))
                .arg(kMaxMeanings);
        if (fields.mid(1).contains(QString()))
            return QStringLiteral("\"%1\" has an empty meaning").arg(fields.at(0));
        const QString problem = Duplicate(seen, fields.at(0));
        if (problem.isEmpty())
            rows.push_back({fields.at(0), fields.mid(1)});
        return problem;
    });
}

bool ParseRuleWords(const QString& text, const QString& name, std::vector<RuleWord>& rules,
                    QString& error)
{
    QSet<QString> seen;
    return ForEachLine(text, name, error, [&](const QStringList& fields) {
        if (fields.size() != 2 || fields.at(0).isEmpty() || fields.at(0).contains(QLatin1Char(' ')))
            return QStringLiteral("expected a word and its type, separated by a tab");
        if (fields.at(1) != QLatin1String("A") && fields.at(1) != QLatin1String("B"))
            return QStringLiteral("the type of \"%1\" is \"%2\", not A or B")
                .arg(fields.at(0), fields.at(1));
        const QString problem = Duplicate(seen, fields.at(0));
        if (problem.isEmpty())
            rules.push_back({fields.at(0), fields.at(1)});
        return problem;
    });
}

bool ParseWordList(const QString& text, const QString& name, QStringList& words, QString& error)
{
    QSet<QString> seen;
    return ForEachLine(text, name, error, [&](const QStringList& fields) {
        if (fields.size() != 1)
            return QStringLiteral("expected one word on the line");
        const QString problem = Duplicate(seen, fields.at(0));
        if (problem.isEmpty())
            words << fields.at(0);
        return problem;
    });
}

bool LoadCoreLists(CoreLists& lists, QString& error)
{
    InitCoreListResources();
    lists = CoreLists();
    const QString rules = QStringLiteral("rule-words.tsv");
    const QString rejected = QStringLiteral("reject-words.txt");
    const QString ignored = QStringLiteral("ignore-words.txt");
    QString text;
    for (const QString& name : kWordListNames) {
        std::vector<KamusRow> rows;
        if (!ReadResource(name, text, error) ||
            !ParseWordRows(text, QStringLiteral("data/") + name, rows, error))
            return false;
        lists.words.insert(lists.words.end(), rows.begin(), rows.end());
    }
    if (!CheckDistinctWords(lists.words, error))
        return false;
    return ReadResource(rules, text, error) &&
           ParseRuleWords(text, QStringLiteral("data/") + rules, lists.rules, error) &&
           ReadResource(rejected, text, error) &&
           ParseWordList(text, QStringLiteral("data/") + rejected, lists.rejected, error) &&
           ReadResource(ignored, text, error) &&
           ParseWordList(text, QStringLiteral("data/") + ignored, lists.ignored, error);
}

} // namespace tembusa::cli
