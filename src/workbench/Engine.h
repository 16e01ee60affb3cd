// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace tembusa {
class TlrEngine;
}

namespace rumbela {

// The workbench's one translation engine, program-wide.

// The current engine, created on first use. Creating an engine opens the
// dictionary; when that fails the engine shows its error box and is kept
// anyway (Connected false), so the box is not repeated on every use.
tembusa::TlrEngine& Engine();

// The current engine as a shared handle, created on first use. A caller that
// keeps using the engine while events are processed (a translation run) holds
// it, so that replacing or releasing the current engine meanwhile never frees
// the object under it.
std::shared_ptr<tembusa::TlrEngine> EngineHandle();

// Releases the current engine and creates a fresh one (every translation
// start). References to the previous engine are invalid afterwards unless a
// handle to it is still held.
tembusa::TlrEngine& NewEngine();

// Whether an engine exists now.
bool HasEngine();

// Releases the engine; the next Engine() creates a new one.
void ReleaseEngine();

} // namespace rumbela
