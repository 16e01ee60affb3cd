// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/Collection.h>

#include <tembusa/Error.h>

#include "support/QtPrinters.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace tembusa {
namespace {

// A collection whose item i is the number i, under the given keys.
Collection Numbered(const QStringList& keys)
{
    Collection collection;
    for (qsizetype i = 0; i < keys.size(); ++i)
        collection.XAdd(QString::number(i + 1), keys.at(i));
    return collection;
}

QStringList Pairs(Collection& collection)
{
    QStringList pairs;
    for (qint32 i = 1; i <= collection.XCount(); ++i)
        pairs.append(collection.XKey(i) + QLatin1Char('=') + collection.XItem(i));
    return pairs;
}

TEST(Collection, AddStoresTheKeyInLowerCaseAndFindsItInAnyCase)
{
    Collection collection;
    collection.XAdd(QStringLiteral("buku"), QStringLiteral("Book"));
    EXPECT_EQ(collection.XCount(), 1);
    EXPECT_EQ(collection.XKey(1), QStringLiteral("book"));
    EXPECT_EQ(collection.XItem(1), QStringLiteral("buku"));
    EXPECT_EQ(collection.XItembyKey(QStringLiteral("BOOK")), QStringLiteral("buku"));
}

TEST(Collection, SearchByKeyProbesEndsAndMiddleOutwards)
{
    const struct
    {
        const char* name;
        QStringList keys;
        QString probe;
        QString expected;
    } cases[] = {
        {"empty collection", {}, QStringLiteral("a"), QStringLiteral("-1")},
        {"absent key", {"a", "b", "c"}, QStringLiteral("z"), QStringLiteral("-1")},
        {"one pair that matches", {"a"}, QStringLiteral("a"), QStringLiteral("1")},
        {"one pair that does not match", {"a"}, QStringLiteral("b"), QStringLiteral("-1")},
        {"front probe first", {"a", "b", "a"}, QStringLiteral("a"), QStringLiteral("1")},
        {"back probe before the middle",
         {"x", "a", "y", "a"},
         QStringLiteral("a"),
         QStringLiteral("4")},
        {"middle before the second front probe",
         {"x", "k", "y", "k", "z", "w", "v", "u"},
         QStringLiteral("k"),
         QStringLiteral("4")},
        {"lower middle before upper middle",
         {"x", "y", "k", "z", "k", "w", "v", "u"},
         QStringLiteral("k"),
         QStringLiteral("3")},
        {"back before the upper middle",
         {"x", "y", "z", "w", "v", "k", "k", "u"},
         QStringLiteral("k"),
         QStringLiteral("7")},
        {"half of 5 rounds down to 2",
         {"x", "k", "k", "y", "z"},
         QStringLiteral("k"),
         QStringLiteral("2")},
        {"half of 7 rounds up to 4",
         {"x", "y", "k", "k", "z", "w", "v"},
         QStringLiteral("k"),
         QStringLiteral("4")},
        {"empty key is a key", {"a", "", "b"}, QString(), QStringLiteral("2")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Numbered(c.keys).XItembyKey(c.probe), c.expected);
    }
}

TEST(Collection, SearchByKeyReachesEveryNumber)
{
    for (int count = 1; count <= 20; ++count) {
        QStringList keys;
        for (int i = 1; i <= count; ++i)
            keys.append(QStringLiteral("k%1").arg(i));
        const Collection collection = Numbered(keys);
        for (int i = 1; i <= count; ++i) {
            SCOPED_TRACE(testing::Message() << count << " pairs, key " << i);
            EXPECT_EQ(collection.XItembyKey(keys.at(i - 1)), QString::number(i));
        }
    }
}

TEST(Collection, KeyStoredWithCapitalsThroughXKeyIsNeverFound)
{
    Collection collection = Numbered({"a", "b"});
    EXPECT_EQ(collection.XKey(2, QStringLiteral("Big")), QString());
    EXPECT_EQ(collection.XKey(2), QStringLiteral("Big"));
    EXPECT_EQ(collection.XItembyKey(QStringLiteral("Big")), QStringLiteral("-1"));
}

TEST(Collection, ItemReadsOrReplacesAndNeverFails)
{
    Collection collection = Numbered({"a", "b", "c"});
    EXPECT_EQ(collection.XItem(2, QStringLiteral("two")), QString());
    EXPECT_EQ(collection.XItem(2), QStringLiteral("two"));
    EXPECT_EQ(collection.XItem(5), QString());
    EXPECT_EQ(collection.XItem(5, QStringLiteral("five")), QString());
    EXPECT_EQ(collection.XItem(0), QString());
    EXPECT_EQ(collection.XItem(-1, QStringLiteral("x")), QString());
    EXPECT_EQ(Pairs(collection), QStringList({"a=1", "b=two", "c=3"}));
}

TEST(Collection, MisuseFailsWithItsNumberAndChangesNothing)
{
    const struct
    {
        const char* name;
        qint32 number;
        std::function<void(Collection&)> act;
    } cases[] = {
        {"key 0", 9,
         [](Collection& c) {
             c.XKey(0);
         }},
        {"key 0 with a new key", 9,
         [](Collection& c) {
             c.XKey(0, QStringLiteral("x"));
         }},
        {"remove pair 5 of 3", 9,
         [](Collection& c) {
             c.XRemove(5);
         }},
        {"remove pair 0", -2147221495,
         [](Collection& c) {
             c.XRemove(0);
         }},
        {"remove pair -1", -2147221495,
         [](Collection& c) {
             c.XRemove(-1);
         }},
        {"duplicate key in another case", 457,
         [](Collection& c) {
             c.ReqUniqueKey(true);
             c.XAdd(QStringLiteral("x"), QStringLiteral("B"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Collection collection = Numbered({"a", "b", "c"});
        try {
            c.act(collection);
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_FALSE(error.description().isEmpty());
        }
        EXPECT_EQ(Pairs(collection), QStringList({"a=1", "b=2", "c=3"}));
    }
}

TEST(Collection, UniqueKeysAreEnforcedOnlyWhenRequired)
{
    Collection collection;
    EXPECT_FALSE(collection.ReqUniqueKey());
    collection.XAdd(QStringLiteral("1"), QStringLiteral("a"));
    collection.XAdd(QStringLiteral("2"), QStringLiteral("a"));
    collection.ReqUniqueKey(true);
    collection.XAdd(QStringLiteral("3"), QStringLiteral("b"));
    EXPECT_THROW(collection.XAdd(QStringLiteral("4"), QStringLiteral("b")), Error);
    EXPECT_EQ(Pairs(collection), QStringList({"a=1", "a=2", "b=3"}));
}

TEST(Collection, RemoveClosesTheGap)
{
    Collection collection = Numbered({"a", "b", "c"});
    collection.XRemove(2);
    EXPECT_EQ(Pairs(collection), QStringList({"a=1", "c=3"}));
    EXPECT_EQ(collection.XItembyKey(QStringLiteral("c")), QStringLiteral("3"));
    collection.XRemove(1);
    EXPECT_EQ(Pairs(collection), QStringList({"c=3"}));
}

TEST(Collection, RemovingTheOnlyPairEmptiesTheCollection)
{
    Collection collection = Numbered({"a"});
    collection.XRemove(1);
    EXPECT_EQ(collection.XCount(), 0);
    EXPECT_EQ(collection.XItembyKey(QStringLiteral("a")), QStringLiteral("-1"));
    EXPECT_THROW(collection.XRemove(1), Error);
    collection.XAdd(QStringLiteral("2"), QStringLiteral("b"));
    EXPECT_EQ(Pairs(collection), QStringList({"b=2"}));
}

TEST(Collection, CopyIsIndependent)
{
    Collection original = Numbered({"a", "b"});
    Collection copy = original;
    copy.XItem(1, QStringLiteral("changed"));
    copy.XRemove(2);
    EXPECT_EQ(Pairs(original), QStringList({"a=1", "b=2"}));
    EXPECT_EQ(Pairs(copy), QStringList({"a=changed"}));
}

} // namespace
} // namespace tembusa
