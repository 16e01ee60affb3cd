// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/ui.h>

#include "platform/ConsoleUi.h"

#include <atomic>

namespace tembusa {
namespace {

std::atomic<Ui*> g_InstalledUi{nullptr};

Ui& DefaultUi()
{
    static ConsoleUi console;
    return console;
}

} // namespace

Ui::~Ui() = default;

void Ui::DatabaseError(const QString& box, const QString& line)
{
    static_cast<void>(line);
    ErrorBox(box);
}

void Ui::Warning(const QString& text)
{
    MessageBox(text, QString());
}

Ui& CurrentUi()
{
    Ui* ui = g_InstalledUi.load();
    return ui ? *ui : DefaultUi();
}

Ui* InstallUi(Ui* ui)
{
    return g_InstalledUi.exchange(ui);
}

} // namespace tembusa
