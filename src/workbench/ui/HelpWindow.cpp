// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/HelpWindow.h"

#include <QAction>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace rumbela {

namespace {

const QString kCaption = QStringLiteral("Rumbela Help");

constexpr QSize kWindowSize(720, 560);
constexpr int kPageMargin = 12;

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_Browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    resize(kWindowSize);

    m_Browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_Browser->setOpenExternalLinks(true);
    m_Browser->setFrameShape(QFrame::NoFrame);
    m_Browser->document()->setDocumentMargin(kPageMargin);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("HelpBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    QAction* contents =
        bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("HelpContents"));
    QAction* back =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* closeWindow = new QAction(this);
    closeWindow->setShortcuts({QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)});
    addAction(closeWindow);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);

    connect(contents, &QAction::triggered, m_Browser, &QTextBrowser::home);
    connect(back, &QAction::triggered, m_Browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_Browser, &QTextBrowser::forward);
    connect(m_Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_Browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SourceChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_Browser);

    // Opens over the middle of its owner.
    if (owner) {
        QRect frame(QPoint(), kWindowSize);
        frame.moveCenter(owner->window()->geometry().center());
        move(frame.topLeft());
    }
}

void HelpWindow::ShowContents(const QString& contents)
{
    // The first page shown is the one Contents goes back to.
    const QUrl url = QUrl::fromLocalFile(contents);
    if (m_Browser->source() != url)
        m_Browser->setSource(url);
}

void HelpWindow::SourceChanged(const QUrl&)
{
    const QString title = m_Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? kCaption : kCaption + QStringLiteral(" - ") + title);
}

} // namespace rumbela
