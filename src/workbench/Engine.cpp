// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/Engine.h"

#include <tembusa/TlrEngine.h>

namespace rumbela {

namespace {

std::shared_ptr<tembusa::TlrEngine>& Current()
{
    static std::shared_ptr<tembusa::TlrEngine> engine;
    return engine;
}

} // namespace

tembusa::TlrEngine& Engine()
{
    return *EngineHandle();
}

std::shared_ptr<tembusa::TlrEngine> EngineHandle()
{
    if (!Current())
        Current() = std::make_shared<tembusa::TlrEngine>();
    return Current();
}

tembusa::TlrEngine& NewEngine()
{
    // The old engine goes first: it holds the dictionary connection open.
    Current().reset();
    return Engine();
}

bool HasEngine()
{
    return Current() != nullptr;
}

void ReleaseEngine()
{
    Current().reset();
}

} // namespace rumbela
