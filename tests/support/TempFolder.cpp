// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempFolder.h"

#include "dictionary/Connect.h"
#include "platform/AppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tembusa::test {

TempFolder::TempFolder()
{
    EXPECT_TRUE(m_Dir.isValid());
    OverrideAppFolder(m_Dir.path());
    SetDictionaryPath(QString());
}

TempFolder::~TempFolder()
{
    OverrideAppFolder(QString());
    SetDictionaryPath(QString());
}

void TempFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(out.write(bytes), bytes.size());
}

QByteArray TempFolder::Read(const QString& name) const
{
    QFile in(file(name));
    if (!in.open(QIODevice::ReadOnly))
        return QByteArray();
    return in.readAll();
}

} // namespace tembusa::test
