// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Progress.h"

#include <cstdio>

#include <unistd.h>

namespace tembusa::cli {

namespace {
constexpr int kBarWidth = 30;
}

Progress::Progress(const QString& label, qint64 total)
    : m_Label(label), m_Total(total),
      m_Active(!label.isEmpty() && total > 0 && isatty(STDERR_FILENO) == 1)
{
    if (m_Active)
        Draw(0);
}

Progress::~Progress()
{
    Finish();
}

void Progress::Step(qint64 done)
{
    if (!m_Active)
        return;
    const int percent = int(qBound(qint64(0), done * 100 / m_Total, qint64(100)));
    if (percent != m_Shown)
        Draw(percent);
}

void Progress::Finish()
{
    if (!m_Active)
        return;
    Draw(100);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    m_Active = false;
}

void Progress::Draw(int percent)
{
    m_Shown = percent;
    const int filled = percent * kBarWidth / 100;
    const QString bar =
        QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    std::fprintf(stderr, "\r%s [%s] %3d%%", m_Label.toUtf8().constData(), bar.toUtf8().constData(),
                 percent);
    std::fflush(stderr);
}

} // namespace tembusa::cli
