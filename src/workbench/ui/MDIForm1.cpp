// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/MDIForm1.h"

#include <QMdiArea>

namespace rumbela {

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), m_MdiArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Zidirarad Uvizidurez - Rumbela Ver.3.0"));
    m_MdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_MdiArea);
    // The design size, 9885 x 6030 twips at 15 twips a pixel, for when the
    // window is restored from maximised.
    resize(659, 402);
}

} // namespace rumbela
