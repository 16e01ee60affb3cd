// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QTimer>

#include <memory>

class QAction;
class QMainWindow;

namespace rumbela {

// Remembers the frame between sessions: its size and position, the layout of
// its docked windows and toolbars, and Use Statistic. Every workbench file is
// written when it changes (the program may end without closing its windows),
// so the settings are too: at once for Use Statistic, shortly after the frame
// stops moving for the rest. Kept under the user's config folder
// (~/.config/Rumbela/Rumbela.conf) unless given another store.
class FrameSettings : public QObject
{
    Q_OBJECT

public:
    // Owned by frame; useStatistic is the frame's Use Statistic item.
    // settings: the store to use (tests); nullptr for the user's.
    FrameSettings(QMainWindow& frame, QAction& useStatistic,
                  std::unique_ptr<QSettings> settings = nullptr);
    ~FrameSettings() override;

    // Puts the frame and Use Statistic back as they were saved; false (and
    // nothing changed) when nothing was saved yet.
    bool Restore();

    // Writes the frame's state and Use Statistic now.
    void Save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& m_Frame;
    QAction& m_UseStatistic;
    std::unique_ptr<QSettings> m_Settings;
    QTimer m_SaveLater;
};

} // namespace rumbela
