// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

#include <QStringList>

namespace rumbela::test {

// The library's Ui for workbench tests: records boxes, answers nothing, and
// puts the previous Ui back when it goes.
class RecordingUi : public tembusa::Ui
{
public:
    RecordingUi() : m_Previous(tembusa::InstallUi(this)) {}
    ~RecordingUi() override { tembusa::InstallUi(m_Previous); }
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    void ErrorBox(const QString& text) override { errorBoxes.append(text); }
    void MessageBox(const QString& text, const QString&) override { messages.append(text); }
    void BusyPointer(bool) override {}
    void ProcessEvents() override {}
    QString InputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseMeaning(const QString&, const QStringList&) override { return {}; }
    QString AskUnknownWord(const QString&) override { return QStringLiteral("^"); }
    void ShowKamus(bool modal) override { kamusShown.append(modal); }

    QStringList errorBoxes;
    QStringList messages;
    QList<bool> kamusShown; // the modal flag of each dictionary window shown

private:
    tembusa::Ui* m_Previous;
};

} // namespace rumbela::test
