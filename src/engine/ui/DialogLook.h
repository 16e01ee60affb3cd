// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace tembusa {

// The look of the engine's dialogs: Verdana 8.25 where the font exists, a
// fixed border with neither minimise, maximise nor a window menu (only the
// dialog's own buttons close it), centred on the screen.
void ApplyDialogLook(QDialog* dialog);

// Centres a dialog on the screen it will appear on; call after its layout.
void CentreOnScreen(QDialog* dialog);

} // namespace tembusa
