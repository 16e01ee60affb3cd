// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbela {

class MDIForm1;

// The frame's commands that reach outside the workbench: help, web pages,
// the readme, the browser preview and the About box.

// General Help: the help window on the manual's table of contents. A
// missing manual opens nothing.
void GeneralHelp(MDIForm1& frame);

// Help Online and Rumbela Website: the project's online help page and web
// site in the desktop's web browser.
void HelpOnline();
void RumbelaWebsite();

// Readme: "Readme.txt" of the workbench's folder opened as a document.
void OpenReadme(MDIForm1& frame);

// Show File in Browser: writes the active document's target pane as plain
// text to "temp.html" in the workbench's folder, replacing it, and opens
// that file with the desktop's default program. With no active document the
// file of an earlier preview is opened, and nothing when there is none. A
// file that cannot be written is reported and nothing is opened, so an
// older preview is never shown as the new one.
void ShowFileInBrowser(MDIForm1& frame);

// About: the About box, modal.
void ShowAbout(MDIForm1& frame);

} // namespace rumbela
