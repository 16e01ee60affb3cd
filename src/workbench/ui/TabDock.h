// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QDockWidget;
class QMainWindow;
class QWidget;

namespace rumbela {

// The docking manager of the frame: tool windows docked at the frame's edges,
// each in its own dock that the user may move, float or close. A dock keeps
// its place and size while hidden and shown again during the run.
class TabDock : public QObject
{
    Q_OBJECT

public:
    // Side codes: the edges of the frame.
    static constexpr int kTop = 1;
    static constexpr int kBottom = 2;
    static constexpr int kLeft = 3;
    static constexpr int kRight = 4;

    explicit TabDock(QObject* parent = nullptr);

    // Binds the manager to its frame; docks are added to this frame.
    void Attach(QMainWindow* owner);

    // Docks window (which the dock then owns) at side under key, hidden
    // until ShowDockWindows. state is kept for the caller; the frame passes
    // 1. Returns the dock, or nullptr before Attach or for an unknown side.
    QDockWidget* AddDockWindow(QWidget* window, int state, int side, const QString& key);

    // Shows every added window.
    void ShowDockWindows();

    // Shows or hides one added window's dock; other windows are ignored.
    void ShowDockWindow(QWidget* window);
    void HideDockWindow(QWidget* window);

    // The dock holding window; nullptr when it was not added.
    QDockWidget* DockOf(QWidget* window) const;
    int StateOf(QWidget* window) const;

private:
    struct Entry
    {
        QPointer<QDockWidget> dock;
        int state = 0;
    };

    QPointer<QMainWindow> m_Owner;
    QHash<QWidget*, Entry> m_Docked;
};

} // namespace rumbela
