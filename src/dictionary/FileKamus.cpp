// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/FileKamus.h"

namespace tembusa {

Collection& KamusIndo()
{
    static Collection collection;
    return collection;
}

Collection& KamusTolak()
{
    static Collection collection;
    return collection;
}

Collection& KamusIdiom()
{
    static Collection collection;
    return collection;
}

void ResetKamusCollections()
{
    KamusIndo() = Collection();
    KamusTolak() = Collection();
    KamusIdiom() = Collection();
}

} // namespace tembusa
