// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

namespace tembusa {

// The Ui of the library's own windows: Qt message boxes, the override cursor
// and the application's event loop.
class QtUi : public Ui
{
public:
    void ErrorBox(const QString& text) override;
    void MessageBox(const QString& text, const QString& title) override;
    void BusyPointer(bool busy) override;
    void ProcessEvents() override;
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ChooseMeaning(const QString& word, const QStringList& meanings) override;
    QString AskUnknownWord(const QString& word) override;
    void ShowKamus(bool modal) override;
    void ShowProgress() override;
    void SetProgressMax(qint32 value) override;
    void SetProgressValue(qint32 value) override;
    void SetProgressStatus(const QString& text) override;
    void CloseProgress() override;
    void Warning(const QString& text) override;
};

} // namespace tembusa
