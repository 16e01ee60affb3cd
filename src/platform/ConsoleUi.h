// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

#include <cstdio>

namespace tembusa {

// The Ui of the command-line client: boxes become lines on standard error,
// and the dialogs ask on the terminal. Standard input may carry the text
// being translated, so answers are read from the terminal itself; without
// one, every question is answered as Escape or Cancel.
class ConsoleUi : public Ui
{
public:
    // out: where boxes and questions go. in: where answers come from;
    // nullptr reads the controlling terminal.
    explicit ConsoleUi(std::FILE* out = stderr, std::FILE* in = nullptr) : m_Out(out), m_In(in) {}
    ~ConsoleUi() override;

    void ErrorBox(const QString& text) override;
    void MessageBox(const QString& text, const QString& title) override;
    void BusyPointer(bool busy) override;
    void ProcessEvents() override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ChooseMeaning(const QString& word, const QStringList& meanings) override;
    QString AskUnknownWord(const QString& word) override;
    void ShowKamus(bool modal) override;
    void DatabaseError(const QString& box, const QString& line) override;
    void Warning(const QString& text) override;

private:
    void Print(const QString& text);
    // One line of answer without its line end; false at end of input.
    bool ReadAnswer(QString& answer);

    std::FILE* m_Out;
    std::FILE* m_In;
    std::FILE* m_Terminal = nullptr;
    bool m_TerminalTried = false;
};

} // namespace tembusa
