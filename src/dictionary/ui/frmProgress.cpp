// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/frmProgress.h"

#include "dictionary/ui/FormMetrics.h"

#include <QLabel>
#include <QProgressBar>

namespace tembusa {

frmProgress::frmProgress(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_ProgressBar1(new QProgressBar(this)), m_lblStatus(new QLabel(this))
{
    setObjectName(QStringLiteral("frmProgress"));
    UseFormFont(this);
    setFixedSize(Twips(6255), Twips(1005));
    // Borderless: a frame line keeps the window apart from what lies below.
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_ProgressBar1->setGeometry(TwipsRect(225, 285, 5850, 210));
    m_ProgressBar1->setRange(0, 100);
    m_ProgressBar1->setValue(0);
    m_ProgressBar1->setTextVisible(false);

    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setGeometry(TwipsRect(270, 600, 5775, 300));
    m_lblStatus->setText(QStringLiteral("Ready"));

    CentreWindowOnScreen(this);
}

} // namespace tembusa
