// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tembusa::test {

// A temporary folder that serves as the application folder for the length of
// a test, and is removed afterwards.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString path() const { return m_Dir.path(); }
    QString file(const QString& name) const { return m_Dir.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir m_Dir;
};

} // namespace tembusa::test
