// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/DialogLook.h"

#include "dictionary/ui/FormMetrics.h"

#include <QDialog>

namespace tembusa {

void ApplyDialogLook(QDialog* dialog)
{
    UseFormFont(dialog);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setModal(true);
}

void FixSizeAndCentre(QDialog* dialog)
{
    dialog->adjustSize();
    dialog->setFixedSize(dialog->size());
    CentreWindowOnScreen(dialog);
}

} // namespace tembusa
