// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa::cli {

// A progress bar on standard error, drawn only when standard error is a
// terminal, so logs and pipes get no control characters. An empty label
// draws nothing.
class Progress
{
public:
    Progress(const QString& label, qint64 total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Redraws when the shown percentage changes.
    void Step(qint64 done);
    // Ends the bar's line; also done by the destructor.
    void Finish();

private:
    void Draw(int percent);

    QString m_Label;
    qint64 m_Total = 0;
    int m_Shown = -1;
    bool m_Active = false;
};

} // namespace tembusa::cli
