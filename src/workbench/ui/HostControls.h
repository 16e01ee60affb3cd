// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/host.h>

#include <QPointer>

class QLineEdit;
class QListWidget;
class QProgressBar;

namespace rumbela {

// The frame's controls as the engine drives them during a run. Each adapter
// watches its widget: once the widget is gone, the engine's calls only lose
// their display.

// ProgressBar1 as the engine's progress bar.
class ProgressBarControl : public tembusa::ProgressBar
{
public:
    explicit ProgressBarControl(QProgressBar* bar);

    void Visible(bool value) override;
    void Min(qint32 value) override;
    void Max(qint32 value) override;
    void Value(qint32 value) override;

private:
    QPointer<QProgressBar> m_Bar;
};

// lblStatus as the engine's status text.
class StatusTextControl : public tembusa::StatusText
{
public:
    explicit StatusTextControl(QLineEdit* label);

    void Visible(bool value) override;
    // Shows the start of a long text rather than its end.
    void Text(const QString& value) override;

private:
    QPointer<QLineEdit> m_Label;
};

// The navigator's unlst as the engine's list of unknown words.
class UnknownListControl : public tembusa::UnknownList
{
public:
    explicit UnknownListControl(QListWidget* list);

    qint32 ListCount() const override;
    QString List(qint32 index) const override;
    void AddItem(const QString& item) override;

private:
    QPointer<QListWidget> m_List;
};

} // namespace rumbela
