// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;

namespace tembusa {

// The progress window of long dictionary operations: a borderless window,
// centred on the screen and kept out of the task bar, with a progress bar
// above a status line that reads "Ready" until it is set.
class frmProgress : public QFrame
{
    Q_OBJECT

public:
    explicit frmProgress(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1() const { return m_ProgressBar1; }
    QLabel* lblStatus() const { return m_lblStatus; }

private:
    QProgressBar* m_ProgressBar1;
    QLabel* m_lblStatus;
};

} // namespace tembusa
