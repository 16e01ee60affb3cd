// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace rumbela {

// The help window: the workbench's HTML manual in a browser with Contents,
// Back and Forward. Links between the manual's pages stay in the window;
// web addresses open in the desktop's web browser. The window deletes itself
// when closed.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // owner (may be nullptr) keeps the window above it and deletes it with
    // itself.
    explicit HelpWindow(QWidget* owner = nullptr);

    // Shows the page contents (a file path) and makes it the Contents page.
    void ShowContents(const QString& contents);

    QTextBrowser* Browser() const { return m_Browser; }

private:
    void SourceChanged(const QUrl& source);

    QTextBrowser* m_Browser;
};

} // namespace rumbela
