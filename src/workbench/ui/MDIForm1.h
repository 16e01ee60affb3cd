// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace rumbela {

// The frame window of the workbench: a multi-document frame whose documents
// are source/target pane windows.
class MDIForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_MdiArea; }

private:
    QMdiArea* m_MdiArea;
};

} // namespace rumbela
