// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tembusa::cli {

// A row of the dictionary holds at most this many meanings (Indo1 ... Indo5).
constexpr int kMaxMeanings = 5;

// One English word or phrase with its Indonesian meanings, the main one first.
struct KamusRow
{
    QString english;
    QStringList meanings;
};

} // namespace tembusa::cli
