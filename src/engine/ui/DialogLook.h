// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace tembusa {

// The look of the engine's dialogs: the forms' font (Verdana 8.25), a
// fixed border with neither minimise, maximise nor a window menu (only the
// dialog's own buttons close it), centred on the screen.
void ApplyDialogLook(QDialog* dialog);

// Fixes a dialog at the size of its layout and centres it on the screen;
// call once the layout is complete.
void FixSizeAndCentre(QDialog* dialog);

} // namespace tembusa
