// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbench/ui/Desktop.h"

#include <QString>

class QTextDocument;

namespace rumbela {

class MDIForm1;

// Fills document with what a print of content shows: the source text, the
// translation, or both side by side in a table whose rows pair the lines
// of the two, so each paragraph stands beside its translation.
void FillPrintDocument(QTextDocument& document, Desktop::PrintContent content,
                       const QString& source, const QString& translation);

// Print: asks what to print of the active document and prints it, or shows
// its print preview. Nothing without an active document.
void PrintDocument(MDIForm1& frame);

} // namespace rumbela
