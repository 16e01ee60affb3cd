// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/FrameSettings.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QSettings>

namespace rumbela {

namespace {

const QString kGeometry = QStringLiteral("frame/geometry");
const QString kState = QStringLiteral("frame/state");
const QString kUseStatistic = QStringLiteral("run/useStatistic");

// Bumped when the frame's docks or toolbars change so that an old layout no
// longer fits; QMainWindow then keeps the built one.
constexpr int kStateVersion = 1;

// Waits this long after the last move or resize before writing.
constexpr int kSaveDelayMs = 500;

} // namespace

FrameSettings::FrameSettings(QMainWindow& frame, QAction& useStatistic,
                             std::unique_ptr<QSettings> settings)
    : QObject(&frame), m_Frame(frame), m_UseStatistic(useStatistic),
      m_Settings(settings ? std::move(settings)
                          : std::make_unique<QSettings>(
                                QSettings::NativeFormat, QSettings::UserScope,
                                QStringLiteral("Rumbela"), QStringLiteral("Rumbela")))
{
    setObjectName(QStringLiteral("FrameSettings"));
    m_SaveLater.setSingleShot(true);
    m_SaveLater.setInterval(kSaveDelayMs);
    connect(&m_SaveLater, &QTimer::timeout, this, &FrameSettings::Save);
    connect(&m_UseStatistic, &QAction::toggled, this, &FrameSettings::Save);
    m_Frame.installEventFilter(this);
    for (QDockWidget* dock : m_Frame.findChildren<QDockWidget*>()) {
        connect(dock, &QDockWidget::dockLocationChanged, &m_SaveLater, qOverload<>(&QTimer::start));
        connect(dock, &QDockWidget::topLevelChanged, &m_SaveLater, qOverload<>(&QTimer::start));
        connect(dock, &QDockWidget::visibilityChanged, &m_SaveLater, qOverload<>(&QTimer::start));
    }
}

FrameSettings::~FrameSettings() = default;

bool FrameSettings::Restore()
{
    if (!m_Settings->contains(kGeometry))
        return false;
    m_Frame.restoreGeometry(m_Settings->value(kGeometry).toByteArray());
    m_Frame.restoreState(m_Settings->value(kState).toByteArray(), kStateVersion);
    m_UseStatistic.setChecked(m_Settings->value(kUseStatistic, false).toBool());
    m_SaveLater.stop();
    return true;
}

void FrameSettings::Save()
{
    m_SaveLater.stop();
    m_Settings->setValue(kGeometry, m_Frame.saveGeometry());
    m_Settings->setValue(kState, m_Frame.saveState(kStateVersion));
    m_Settings->setValue(kUseStatistic, m_UseStatistic.isChecked());
    m_Settings->sync();
}

bool FrameSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_Frame) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (m_Frame.isVisible())
                m_SaveLater.start();
            break;
        case QEvent::Close:
            Save();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rumbela
