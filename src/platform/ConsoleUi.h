// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

#include <cstdio>

namespace tembusa {

// The Ui of the command-line client: boxes become lines on standard error.
class ConsoleUi : public Ui
{
public:
    explicit ConsoleUi(std::FILE* out = stderr) : m_Out(out) {}

    void ErrorBox(const QString& text) override;
    void MessageBox(const QString& text, const QString& title) override;
    void BusyPointer(bool busy) override;
    void ProcessEvents() override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ChooseMeaning(const QString& word, const QStringList& meanings) override;
    QString AskUnknownWord(const QString& word) override;
    void ShowKamus(bool modal) override;

private:
    std::FILE* m_Out;
};

} // namespace tembusa
