// SPDX-License-Identifier: GPL-3.0-or-later
// Classes reserved in the library's interface: clients binding to it find
// every member, and none of them does anything yet.
#include <tembusa/AutoMean.h>
#include <tembusa/CSentences.h>
#include <tembusa/Command.h>

namespace tembusa {

void CSentences::Add(const QString&) {}

qint32 CSentences::count() const
{
    return 0;
}

void AutoMean::Load() {}

QString AutoMean::Search(const QString&) const
{
    return QString();
}

void AutoMean::Add() {}

qint32 AutoMean::index() const
{
    return 0;
}

void Command::Run(const QString&) {}

void Command::Parse(const QString&) {}

QString Command::Arti() const
{
    return QString();
}

void Command::Arti(const QString&) {}

} // namespace tembusa
