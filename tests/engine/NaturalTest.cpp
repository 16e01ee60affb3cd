// SPDX-License-Identifier: GPL-3.0-or-later
// The natural mode's Indonesian rules: prefixes by sound, verb roots,
// possessives and the sentence's capital.
#include "engine/Natural.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

const RootTable& Roots()
{
    static const RootTable roots = RootTable::FromText(QStringLiteral("# a few roots\n"
                                                                      "tolak\tM Mk D\n"
                                                                      "tulis\tM Mk Mi D Dk Di\n"
                                                                      "pukul\tM D\n"
                                                                      "ambil\tM D\n"
                                                                      "sapu\tM D\n"
                                                                      "tampil\tMk Dk\n"
                                                                      "izin\tMk Dk\n"
                                                                      "buka\tM Mk D Dk\n"
                                                                      "simpan\tM D\n"
                                                                      "buat\tM D\n"
                                                                      "sekolah\tMk Dk\n"
                                                                      "lihat\tM D\n"
                                                                      "proses\tM D\n"));
    return roots;
}

TEST(NaturalPrefix, ActiveFormFollowsTheSoundRules)
{
    const struct
    {
        const char* root;
        const char* active;
    } cases[] = {
        {"tulis", "menulis"},     {"pukul", "memukul"},          {"ambil", "mengambil"},
        {"sapu", "menyapu"},      {"lihat", "melihat"},          {"baca", "membaca"},
        {"dengar", "mendengar"},  {"kirim", "mengirim"},         {"ganti", "mengganti"},
        {"cari", "mencari"},      {"proses", "memproses"},       {"transfer", "mentransfer"},
        {"kritik", "mengkritik"}, {"stabilkan", "menstabilkan"}, {"cat", "mengecat"},
        {"rekam", "merekam"},     {"nyalakan", "menyalakan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.root);
        EXPECT_EQ(ActiveForm(QString::fromLatin1(c.root)), QString::fromLatin1(c.active));
    }
}

TEST(NaturalPrefix, JoinsMeAndDiToTheRoot)
{
    const struct
    {
        const char* name;
        const char* prefix;
        const char* meaning;
        const char* joined;
    } cases[] = {
        {"active meaning reduced to its root", "di", "menolak", "ditolak"},
        {"root", "di", "tolak", "ditolak"},
        {"root that takes only -kan", "di", "izin", "diizinkan"},
        {"command form keeps its suffix", "di", "tampilkan", "ditampilkan"},
        {"active form with suffix", "di", "menampilkan", "ditampilkan"},
        {"only the first word", "di", "menulis surat", "ditulis surat"},
        {"capital kept", "di", "Menolak", "Ditolak"},
        {"me on a root", "me", "tulis", "menulis"},
        {"me on an active form", "me", "menulis", "menulis"},
        {"me on a root that takes only -kan", "me", "tampil", "menampilkan"},
        {"no verb: no prefix", "me", "bangunan", "bangunan"},
        {"no verb: no prefix for di either", "di", "gagal total", "gagal total"},
        {"other prefix texts as they stand", "tidak ", "valid", "tidak valid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            JoinPrefix(QString::fromLatin1(c.prefix), QString::fromLatin1(c.meaning), Roots()),
            QString::fromLatin1(c.joined));
    }
}

TEST(NaturalPrefix, SplitsOnlyTrueActiveForms)
{
    QString root;
    QString suffix;
    ASSERT_TRUE(SplitActive(QStringLiteral("mengambil"), Roots(), root, suffix));
    EXPECT_EQ(root, QStringLiteral("ambil"));
    ASSERT_TRUE(SplitActive(QStringLiteral("menampilkan"), Roots(), root, suffix));
    EXPECT_EQ(root + QLatin1Char('+') + suffix, QStringLiteral("tampil+kan"));
    EXPECT_FALSE(SplitActive(QStringLiteral("meja"), Roots(), root, suffix));
    EXPECT_FALSE(SplitActive(QStringLiteral("menolong"), Roots(), root, suffix))
        << "tolong is not in the table";
}

TEST(NaturalVerbs, CommandAndActiveForms)
{
    const struct
    {
        const char* name;
        QString (*make)(const QString&, const RootTable&);
        const char* meaning;
        const char* result;
    } cases[] = {
        {"command of an active verb", CommandForm, "Menyimpan", "Simpan"},
        {"command keeps the suffix", CommandForm, "menampilkan", "tampilkan"},
        {"command of the first word only", CommandForm, "membuat kue", "buat kue"},
        {"command leaves a noun alone", CommandForm, "Meja", "Meja"},
        {"active of a root", ActiveVerb, "buka", "membuka"},
        {"active of a passive", ActiveVerb, "dibuka", "membuka"},
        {"active of a command", ActiveVerb, "tampilkan", "menampilkan"},
        {"a root that is no verb by itself stays", ActiveVerb, "sekolah", "sekolah"},
        {"active stays active", ActiveVerb, "menulis", "menulis"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.make(QString::fromLatin1(c.meaning), Roots()), QString::fromLatin1(c.result));
    }
}

TEST(NaturalOrder, PossessivesFollowTheirNoun)
{
    const struct
    {
        const char* name;
        const char* words;
        const char* ordered;
    } cases[] = {
        {"her before a noun", "Her dog ran ", "dog Her ran "},
        {"her as the object", "saw her at the market ", "saw her at the market "},
        {"a possessor with its article", "the man's boat was ", "boat man's the was "},
        {"a possessor without article", "John's car ", "car John's "},
        {"her at the end", "I saw her. ", "I saw her. "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList words = QString::fromLatin1(c.words).split(QLatin1Char(' '));
        OrderPossessives(words);
        EXPECT_EQ(words.join(QLatin1Char(' ')), QString::fromLatin1(c.ordered));
    }
}

TEST(NaturalOrder, TheCapitalGoesBackToTheFirstWord)
{
    QStringList words = {QStringLiteral("tag"), QStringLiteral("This"), QStringLiteral("exists.")};
    RestoreCapital(words, QStringLiteral("This"));
    EXPECT_EQ(words.join(QLatin1Char(' ')), QStringLiteral("Tag this exists."));

    QStringList names = {QStringLiteral("car"), QStringLiteral("USB")};
    RestoreCapital(names, QStringLiteral("USB"));
    EXPECT_EQ(names.join(QLatin1Char(' ')), QStringLiteral("car USB")) << "capitals stay";
}

TEST(NaturalText, BuiltinRootsAndSingleBlanks)
{
    EXPECT_TRUE(RootTable::Builtin().Takes(QStringLiteral("tolak"), QStringLiteral("D")));
    EXPECT_EQ(SingleBlanks(QStringLiteral("a  b   c d")), QStringLiteral("a b c d"));
}

} // namespace
} // namespace tembusa
