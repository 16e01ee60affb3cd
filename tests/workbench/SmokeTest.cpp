// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/MDIForm1.h"

#include <QMdiArea>
#include <QtTest>

class WorkbenchSmokeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameShowsItsCaption()
    {
        rumbela::MDIForm1 frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Zidirarad Uvizidurez - Rumbela Ver.3.0"));
        QVERIFY(frame.findChild<QMdiArea*>(QStringLiteral("mdiArea")));
    }
};

QTEST_MAIN(WorkbenchSmokeTest)
#include "SmokeTest.moc"
