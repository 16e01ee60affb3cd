// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Collection.h>

namespace tembusa {

// The three text dictionaries of the process, shared by every KamusFile and
// the dictionary window. Each is created empty on first use and lives as long
// as the library. A load replaces their content; callers therefore address
// pairs by number only for as long as no load runs.

// "Kamus-indo.txt": key the English word, item its meaning.
Collection& KamusIndo();
// "Kamus-indo-tolak.txt": words never to be translated.
Collection& KamusTolak();
// "Kamus-indo-idiom.txt": key the idiom, item its meaning.
Collection& KamusIdiom();

// Empties all three (tests start from a clean process state).
void ResetKamusCollections();

} // namespace tembusa
