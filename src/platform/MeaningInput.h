// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

class Ui;

// The "add a meaning" step of both dialogs: asks ui's input box for the
// meaning of word. Returns "+", TAB, word, TAB, the meaning; or, when nothing
// was typed, shows "Artinya tidak diisi." and returns the empty text.
QString AskNewMeaning(Ui& ui, const QString& word);

} // namespace tembusa
