// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the fuzz programs: a private application folder, a Ui that
// answers nothing, and writing an input into a file.

#include <tembusa/ui.h>

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace tembusa::fuzz {

// The input of one run as bytes (no copy: valid while the run lasts).
QByteArray InputBytes(const uint8_t* data, size_t size);

// Makes a fresh folder the application folder for the rest of the process,
// in memory (/dev/shm) where the machine has it, since every run writes
// files. Returns its path. Call once, from LLVMFuzzerInitialize.
QString UseFuzzFolder();

// Writes bytes to name in the application folder, replacing the file.
// Aborts when that fails: the fuzz run would test nothing.
void WriteAppFile(const QString& name, const QByteArray& bytes);

// Shows nothing and answers every question as Escape or Cancel would, so a
// run neither blocks nor grows a record from one input to the next.
class QuietUi : public Ui
{
public:
    void ErrorBox(const QString&) override {}
    void MessageBox(const QString&, const QString&) override {}
    void BusyPointer(bool) override {}
    void ProcessEvents() override {}
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseMeaning(const QString&, const QStringList&) override { return {}; }
    QString AskUnknownWord(const QString&) override { return QStringLiteral("^"); }
    void ShowKamus(bool) override {}
};

// Installs a QuietUi for the rest of the process.
void UseQuietUi();

// Reports a broken expectation about a result (not a crash of the code
// under test, which the sanitizers catch) and aborts, so libFuzzer keeps
// the input.
[[noreturn]] void Fail(const char* what);

} // namespace tembusa::fuzz
