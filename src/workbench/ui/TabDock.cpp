// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/TabDock.h"

#include <QDockWidget>
#include <QMainWindow>

namespace rumbela {

namespace {

bool AreaOfSide(int side, Qt::DockWidgetArea& area)
{
    switch (side) {
    case TabDock::kTop:
        area = Qt::TopDockWidgetArea;
        return true;
    case TabDock::kBottom:
        area = Qt::BottomDockWidgetArea;
        return true;
    case TabDock::kLeft:
        area = Qt::LeftDockWidgetArea;
        return true;
    case TabDock::kRight:
        area = Qt::RightDockWidgetArea;
        return true;
    default:
        return false;
    }
}

} // namespace

TabDock::TabDock(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("fDock"));
}

void TabDock::Attach(QMainWindow* owner)
{
    m_Owner = owner;
}

QDockWidget* TabDock::AddDockWindow(QWidget* window, int state, int side, const QString& key)
{
    Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
    if (!m_Owner || !window || !AreaOfSide(side, area))
        return nullptr;
    auto* dock = new QDockWidget(window->windowTitle(), m_Owner);
    // The key names the dock, so a saved frame state finds it again.
    dock->setObjectName(key + QStringLiteral("Dock"));
    dock->setWidget(window);
    dock->hide();
    m_Owner->addDockWidget(area, dock);
    dock->hide();
    m_Docked.insert(window, Entry{dock, state});
    return dock;
}

void TabDock::ShowDockWindows()
{
    for (const Entry& entry : std::as_const(m_Docked)) {
        if (entry.dock)
            entry.dock->show();
    }
}

void TabDock::ShowDockWindow(QWidget* window)
{
    if (QDockWidget* dock = DockOf(window))
        dock->show();
}

void TabDock::HideDockWindow(QWidget* window)
{
    if (QDockWidget* dock = DockOf(window))
        dock->hide();
}

QDockWidget* TabDock::DockOf(QWidget* window) const
{
    return m_Docked.value(window).dock;
}

int TabDock::StateOf(QWidget* window) const
{
    return m_Docked.value(window).state;
}

} // namespace rumbela
