// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/HostControls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>

namespace rumbela {

ProgressBarControl::ProgressBarControl(QProgressBar* bar) : m_Bar(bar) {}

StatusTextControl::StatusTextControl(QLineEdit* label) : m_Label(label) {}

UnknownListControl::UnknownListControl(QListWidget* list) : m_List(list) {}

void ProgressBarControl::Visible(bool value)
{
    if (m_Bar)
        m_Bar->setVisible(value);
}

void ProgressBarControl::Min(qint32 value)
{
    if (m_Bar)
        m_Bar->setMinimum(value);
}

void ProgressBarControl::Max(qint32 value)
{
    if (m_Bar)
        m_Bar->setMaximum(value);
}

void ProgressBarControl::Value(qint32 value)
{
    if (m_Bar)
        m_Bar->setValue(value);
}

void StatusTextControl::Visible(bool value)
{
    if (m_Label)
        m_Label->setVisible(value);
}

void StatusTextControl::Text(const QString& value)
{
    if (!m_Label)
        return;
    m_Label->setText(value);
    m_Label->setCursorPosition(0);
}

qint32 UnknownListControl::ListCount() const
{
    return m_List ? qint32(m_List->count()) : 0;
}

QString UnknownListControl::List(qint32 index) const
{
    const QListWidgetItem* item = m_List ? m_List->item(index) : nullptr;
    return item ? item->text() : QString();
}

void UnknownListControl::AddItem(const QString& item)
{
    if (m_List)
        m_List->addItem(item);
}

} // namespace rumbela
