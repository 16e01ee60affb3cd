// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/KamusWindows.h"

#include "dictionary/ui/frmKamus.h"
#include "dictionary/ui/frmProgress.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

namespace tembusa {
namespace {

// The one dictionary window and the one progress window of the process;
// each deletes itself when closed.
QPointer<frmKamus>& KamusWindow()
{
    static QPointer<frmKamus> window;
    return window;
}

QPointer<frmProgress>& ProgressWindow()
{
    static QPointer<frmProgress> window;
    return window;
}

void BringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void ShowKamusWindow(bool modal)
{
    QPointer<frmKamus>& window = KamusWindow();
    if (window && window->isVisible() && (!modal || window->isModal())) {
        BringForward(window);
        return;
    }
    // A hidden window (closed with Escape) or a modeless one that gives way
    // to a modal one: the new window reloads the grid from the collection,
    // which holds every change.
    if (window) {
        window->hide();
        window->deleteLater();
    }
    if (!modal) {
        window = new frmKamus;
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);
        window->show();
        window->activateWindow();
        return;
    }
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    window = new frmKamus(owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(true);
    window->exec();
}

void ShowProgressWindow()
{
    QPointer<frmProgress>& window = ProgressWindow();
    const bool shown = window && window->isVisible();
    if (!shown) {
        if (window)
            window->deleteLater();
        window = new frmProgress;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Brought forward without taking the focus from the window at work.
    window->show();
    if (shown)
        window->raise();
}

void SetProgressWindowMax(qint32 value)
{
    if (frmProgress* window = ProgressWindow())
        window->ProgressBar1()->setMaximum(value);
}

void SetProgressWindowValue(qint32 value)
{
    if (frmProgress* window = ProgressWindow())
        window->ProgressBar1()->setValue(value);
}

void SetProgressWindowStatus(const QString& text)
{
    if (frmProgress* window = ProgressWindow())
        window->lblStatus()->setText(text);
}

void CloseProgressWindow()
{
    // The closed window is deleted later; the next showing makes a new one
    // at once instead of reviving it.
    QPointer<frmProgress>& window = ProgressWindow();
    frmProgress* closing = window;
    window = nullptr;
    if (closing)
        closing->close();
}

} // namespace tembusa
