// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tembusa {
class TlrEngine;
}

namespace rumbela {

// The workbench's one translation engine, program-wide.

// The current engine, created on first use. Creating an engine opens the
// dictionary; when that fails the engine shows its error box and is kept
// anyway (Connected false), so the box is not repeated on every use.
tembusa::TlrEngine& Engine();

// Releases the current engine and creates a fresh one (every translation
// start). References to the previous engine are invalid afterwards.
tembusa::TlrEngine& NewEngine();

// Whether an engine exists now.
bool HasEngine();

// Releases the engine; the next Engine() creates a new one.
void ReleaseEngine();

} // namespace rumbela
