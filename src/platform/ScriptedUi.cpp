// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedUi.h"

namespace tembusa {

void ScriptedUi::ErrorBox(const QString& text)
{
    errorBoxes.append(text);
}

void ScriptedUi::MessageBox(const QString& text, const QString&)
{
    messages.append(text);
}

void ScriptedUi::BusyPointer(bool busy)
{
    busyDepth += busy ? 1 : -1;
    if (busy)
        ++busyShown;
}

void ScriptedUi::ProcessEvents()
{
    ++eventsProcessed;
    if (onProcessEvents)
        onProcessEvents();
}

ScriptedUi::Scope::Scope(ScriptedUi& ui) : m_Previous(InstallUi(&ui)) {}

ScriptedUi::Scope::~Scope()
{
    InstallUi(m_Previous);
}

} // namespace tembusa
