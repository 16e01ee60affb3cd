// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Natural.h"

#include "platform/AsciiCase.h"

#include <QFile>
#include <QRegularExpression>

// Outside any namespace, as Qt's resource macro requires.
static void InitNaturalResources()
{
    Q_INIT_RESOURCE(Natural);
}

namespace tembusa {
namespace {

bool IsVowel(QChar c)
{
    return QStringLiteral("aiueo").contains(c);
}

// Words after which "her" is the object, not a possessive ("saw her at"),
// and words that never take "-nya" for a possessive after them.
bool IsFunctionWord(const QString& word)
{
    static const QStringList kWords = {
        QStringLiteral("the"),   QStringLiteral("a"),     QStringLiteral("an"),
        QStringLiteral("to"),    QStringLiteral("at"),    QStringLiteral("in"),
        QStringLiteral("on"),    QStringLiteral("and"),   QStringLiteral("or"),
        QStringLiteral("but"),   QStringLiteral("for"),   QStringLiteral("with"),
        QStringLiteral("from"),  QStringLiteral("that"),  QStringLiteral("this"),
        QStringLiteral("if"),    QStringLiteral("when"),  QStringLiteral("as"),
        QStringLiteral("by"),    QStringLiteral("of"),    QStringLiteral("up"),
        QStringLiteral("down"),  QStringLiteral("out"),   QStringLiteral("back"),
        QStringLiteral("again"), QStringLiteral("away"),  QStringLiteral("too"),
        QStringLiteral("so"),    QStringLiteral("all"),   QStringLiteral("about"),
        QStringLiteral("into"),  QStringLiteral("is"),    QStringLiteral("was"),
        QStringLiteral("be"),    QStringLiteral("not"),   QStringLiteral("very"),
        QStringLiteral("then"),  QStringLiteral("there"), QStringLiteral("here"),
        QStringLiteral("some"),  QStringLiteral("own")};
    QString bare = AsciiLower(word);
    while (!bare.isEmpty() && !bare.back().isLetter())
        bare.chop(1);
    return kWords.contains(bare);
}

bool EndsWithMark(const QString& word)
{
    return !word.isEmpty() && QStringLiteral(",.?!;:").contains(word.back());
}

bool IsPossessor(const QString& word)
{
    return word.size() > 2 && AsciiUpper(word).endsWith(QLatin1String("'S"));
}

} // namespace

const RootTable& RootTable::Builtin()
{
    static const RootTable table = [] {
        InitNaturalResources();
        QFile file(QStringLiteral(":/natural/id-roots.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return RootTable();
        return FromText(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

RootTable RootTable::FromText(const QString& text)
{
    RootTable table;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == 2)
            table.m_Forms.insert(fields.at(0).trimmed(),
                                 fields.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    return table;
}

bool RootTable::Takes(const QString& root, const QString& form) const
{
    const auto it = m_Forms.constFind(root);
    return it != m_Forms.constEnd() && it->contains(form);
}

QString ActiveForm(const QString& root)
{
    if (root.isEmpty())
        return root;
    const QChar first = root.front();
    const QChar second = root.size() > 1 ? root.at(1) : QChar();
    // A root of one syllable takes "menge-" (cat: mengecat).
    qsizetype vowels = 0;
    for (QChar c : root)
        vowels += IsVowel(c) ? 1 : 0;
    if (vowels == 1 && root.size() <= 4 && !IsVowel(first))
        return QStringLiteral("menge") + root;
    if (IsVowel(first) || first == QLatin1Char('g') || first == QLatin1Char('h'))
        return QStringLiteral("meng") + root;
    // k, p, t and s drop after the prefix, except before another consonant
    // (memproses, mentransfer, mengkritik, menstabilkan).
    const bool cluster = !second.isNull() && !IsVowel(second);
    if (first == QLatin1Char('k'))
        return QStringLiteral("meng") + (cluster ? root : root.mid(1));
    if (first == QLatin1Char('p'))
        return QStringLiteral("mem") + (cluster ? root : root.mid(1));
    if (first == QLatin1Char('b') || first == QLatin1Char('f') || first == QLatin1Char('v'))
        return QStringLiteral("mem") + root;
    if (first == QLatin1Char('t'))
        return QStringLiteral("men") + (cluster ? root : root.mid(1));
    if (first == QLatin1Char('s'))
        return cluster ? QStringLiteral("men") + root : QStringLiteral("meny") + root.mid(1);
    if (QStringLiteral("cdjz").contains(first))
        return QStringLiteral("men") + root;
    return QStringLiteral("me") + root;
}

bool SplitActive(const QString& word, const RootTable& roots, QString& root, QString& suffix)
{
    if (!word.startsWith(QLatin1String("me")))
        return false;
    static const QString kPrefixes[] = {QStringLiteral("menge"), QStringLiteral("meny"),
                                        QStringLiteral("meng"),  QStringLiteral("mem"),
                                        QStringLiteral("men"),   QStringLiteral("me")};
    static const QString kSuffixes[] = {QStringLiteral("kan"), QStringLiteral("i"), QString()};
    for (const QString& prefix : kPrefixes) {
        if (!word.startsWith(prefix))
            continue;
        const QString rest = word.mid(prefix.size());
        const QString candidates[] = {rest, QStringLiteral("k") + rest, QStringLiteral("p") + rest,
                                      QStringLiteral("t") + rest, QStringLiteral("s") + rest};
        for (const QString& suffixText : kSuffixes) {
            for (const QString& candidate : candidates) {
                if (!candidate.endsWith(suffixText))
                    continue;
                const QString base = candidate.left(candidate.size() - suffixText.size());
                if (base.size() < 2 || !roots.Has(base) || ActiveForm(base) + suffixText != word)
                    continue;
                root = base;
                suffix = suffixText;
                return true;
            }
        }
    }
    return false;
}

namespace {

// di- with the suffix the root takes: the suffix of the active form when the
// table allows it, else the bare root, else -kan, else -i.
QString PassiveForm(const QString& root, const QString& suffix, const RootTable& roots)
{
    if (suffix == QLatin1String("kan") && roots.Takes(root, QStringLiteral("Dk")))
        return QStringLiteral("di") + root + suffix;
    if (suffix == QLatin1String("i") && roots.Takes(root, QStringLiteral("Di")))
        return QStringLiteral("di") + root + suffix;
    if (!suffix.isEmpty() && roots.Takes(root, QStringLiteral("M") + suffix.left(1)))
        return QStringLiteral("di") + root + suffix;
    if (roots.Takes(root, QStringLiteral("D")))
        return QStringLiteral("di") + root;
    if (roots.Takes(root, QStringLiteral("Dk")))
        return QStringLiteral("di") + root + QStringLiteral("kan");
    if (roots.Takes(root, QStringLiteral("Di")))
        return QStringLiteral("di") + root + QStringLiteral("i");
    return QString();
}

QString ActiveWithSuffix(const QString& root, const RootTable& roots)
{
    if (roots.Takes(root, QStringLiteral("M")))
        return ActiveForm(root);
    if (roots.Takes(root, QStringLiteral("Mk")))
        return ActiveForm(root) + QStringLiteral("kan");
    if (roots.Takes(root, QStringLiteral("Mi")))
        return ActiveForm(root) + QStringLiteral("i");
    return QString();
}

// The root and suffix of a verb given as root, command form or active form:
// "tolak", "tampilkan" and "menampilkan" all give their root.
bool SplitVerb(const QString& word, const RootTable& roots, QString& root, QString& suffix)
{
    if (SplitActive(word, roots, root, suffix))
        return true;
    if (roots.Has(word)) {
        root = word;
        suffix.clear();
        return true;
    }
    for (const QString& s : {QStringLiteral("kan"), QStringLiteral("i")}) {
        const QString base = word.left(word.size() - s.size());
        if (word.endsWith(s) && roots.Takes(base, QStringLiteral("M") + s.left(1))) {
            root = base;
            suffix = s;
            return true;
        }
    }
    return false;
}

// The root and suffix of a passive form ("ditolak" tolak, "ditampilkan"
// tampil + "kan").
bool SplitPassive(const QString& word, const RootTable& roots, QString& root, QString& suffix)
{
    if (!word.startsWith(QLatin1String("di")))
        return false;
    const QString rest = word.mid(2);
    for (const QString& s : {QStringLiteral("kan"), QStringLiteral("i"), QString()}) {
        if (!rest.endsWith(s))
            continue;
        const QString base = rest.left(rest.size() - s.size());
        if (roots.Takes(base, QStringLiteral("D") + s.left(1))) {
            root = base;
            suffix = s;
            return true;
        }
    }
    return false;
}

} // namespace

QString ActiveVerb(const QString& meaning, const RootTable& roots)
{
    const qsizetype blank = meaning.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? meaning : meaning.left(blank);
    const QString rest = blank < 0 ? QString() : meaning.mid(blank);
    const QString word = AsciiLower(first);
    QString root;
    QString suffix;
    QString active;
    if (SplitActive(word, roots, root, suffix))
        return meaning;
    if (SplitPassive(word, roots, root, suffix))
        active = suffix.isEmpty() ? ActiveWithSuffix(root, roots) : ActiveForm(root) + suffix;
    // A bare root only when it is a verb in its own right ("buka" membuka);
    // "sekolah" after "to" is a place, not menyekolahkan.
    else if (SplitVerb(word, roots, root, suffix) &&
             (!suffix.isEmpty() || roots.Takes(root, QStringLiteral("M"))))
        active = ActiveForm(root) + suffix;
    if (active.isEmpty())
        return meaning;
    if (IsAsciiCapital(first.front()))
        active = AsciiCapitalizeFirst(active);
    return active + rest;
}

bool AsksActiveVerb(const QString& previousWord)
{
    static const QStringList kWords = {
        QStringLiteral("to"),     QStringLiteral("can"),  QStringLiteral("cannot"),
        QStringLiteral("could"),  QStringLiteral("will"), QStringLiteral("would"),
        QStringLiteral("should"), QStringLiteral("must"), QStringLiteral("may"),
        QStringLiteral("might"),  QStringLiteral("i"),    QStringLiteral("you"),
        QStringLiteral("he"),     QStringLiteral("she"),  QStringLiteral("we"),
        QStringLiteral("they"),   QStringLiteral("who")};
    return kWords.contains(AsciiLower(previousWord));
}

QString JoinPrefix(const QString& prefix, const QString& meaning, const RootTable& roots)
{
    const bool passive = prefix == QLatin1String("di");
    if (!passive && prefix != QLatin1String("me"))
        return prefix + meaning;
    const qsizetype blank = meaning.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? meaning : meaning.left(blank);
    const QString rest = blank < 0 ? QString() : meaning.mid(blank);
    // A capital marks a sentence's first word; the forms are made in lower case.
    const bool capital = !first.isEmpty() && IsAsciiCapital(first.front());
    const QString word = AsciiLower(first);
    QString root;
    QString suffix;
    QString joined;
    if (SplitVerb(word, roots, root, suffix)) {
        if (passive)
            joined = PassiveForm(root, suffix, roots);
        else
            joined = suffix.isEmpty() ? ActiveWithSuffix(root, roots) : ActiveForm(root) + suffix;
    }
    if (joined.isEmpty())
        return meaning;
    if (capital)
        joined = AsciiCapitalizeFirst(joined);
    return joined + rest;
}

QString CommandForm(const QString& meaning, const RootTable& roots)
{
    const qsizetype blank = meaning.indexOf(QLatin1Char(' '));
    const QString first = blank < 0 ? meaning : meaning.left(blank);
    const QString rest = blank < 0 ? QString() : meaning.mid(blank);
    QString root;
    QString suffix;
    if (!SplitActive(AsciiLower(first), roots, root, suffix))
        return meaning;
    QString command = root + suffix;
    if (!first.isEmpty() && IsAsciiCapital(first.front()))
        command = AsciiCapitalizeFirst(command);
    return command + rest;
}

void OrderPossessives(QStringList& words)
{
    const qsizetype last = words.size() - 1; // the empty element after the last blank
    for (qsizetype i = 0; i + 1 < last; ++i) {
        const QString word = words.at(i);
        const QString next = words.at(i + 1);
        if (next.isEmpty() || EndsWithMark(word) || IsFunctionWord(next))
            continue;
        if (AsciiLower(word) == QLatin1String("her")) {
            words[i] = next;
            words[i + 1] = word;
            ++i;
        } else if (IsPossessor(word)) {
            const bool article = i > 0 && AsciiLower(words.at(i - 1)) == QLatin1String("the");
            if (article) {
                // "the man's boat" -> "boat man's the": the article becomes "itu".
                words[i - 1] = next;
                words[i] = word;
                words[i + 1] = QStringLiteral("the");
            } else {
                words[i] = next;
                words[i + 1] = word;
            }
            ++i;
        }
    }
}

void RestoreCapital(QStringList& words, const QString& firstWord)
{
    if (words.isEmpty() || firstWord.isEmpty() || !IsAsciiCapital(firstWord.front()) ||
        words.front() == firstWord)
        return;
    // "I" and names written in capitals keep theirs.
    const QString rest = firstWord.mid(1);
    if (rest.isEmpty() || AsciiLower(rest) != rest)
        return;
    for (QString& word : words) {
        if (word == firstWord || word == firstWord + QLatin1Char('.')) {
            word[0] = AsciiLower(word.at(0));
            break;
        }
    }
    if (!words.front().isEmpty())
        words.front() = AsciiCapitalizeFirst(words.front());
}

bool IsPossessivePronoun(const QString& word)
{
    const QString lower = AsciiLower(word);
    return lower == QLatin1String("his") || lower == QLatin1String("her") ||
           lower == QLatin1String("its");
}

QString SingleBlanks(const QString& text)
{
    static const QRegularExpression kBlanks(QStringLiteral(" {2,}"));
    return QString(text).replace(kBlanks, QStringLiteral(" "));
}

bool FollowsPossessor(const QString& previousWord)
{
    return IsPossessor(previousWord);
}

bool TakesNya(const QString& previousWord)
{
    return !previousWord.isEmpty() && !IsFunctionWord(previousWord) && !EndsWithMark(previousWord);
}

} // namespace tembusa
