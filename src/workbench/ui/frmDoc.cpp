// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/frmDoc.h"

#include "workbench/DocSlots.h"
#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/PaneLayout.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/ToolIcons.h"

#include <tembusa/Error.h>
#include <tembusa/TlrEngine.h>
#include <tembusa/ui.h>

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTextDocument>

namespace rumbela {

frmDoc::frmDoc(ModMDI& docs, MDIForm1& frame, QWidget* parent)
    : QWidget(parent), m_Docs(docs), m_Frame(frame), m_Src(new TextPane(this)),
      m_tgt(new TextPane(this))
{
    setObjectName(QStringLiteral("frmDoc"));
    setWindowTitle(QStringLiteral("New File"));
    setWindowIcon(TabImage(1));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);
    m_Src->setObjectName(QStringLiteral("Src"));
    m_tgt->setObjectName(QStringLiteral("tgt"));
    connect(m_tgt, &TextPane::Clicked, this, &frmDoc::TargetClicked);
    // An edit of either pane changes the document until it is saved; an
    // undo back to the saved text does not make it unchanged again.
    connect(m_Src, &TextPane::Edited, this, [this] {
        m_SourceEdited = true;
        Changed(true);
    });
    connect(m_tgt, &TextPane::Edited, this, [this] { Changed(true); });
}

void frmDoc::Changed(bool value)
{
    m_Changed = value;
    if (!value) {
        // The next edit reports itself again.
        m_Src->document()->setModified(false);
        m_tgt->document()->setModified(false);
    }
    ShowChanged();
}

qint16 frmDoc::Slot() const
{
    return m_Tag.toShort();
}

void frmDoc::Caption(const QString& value)
{
    m_Caption = value;
    // "[*]" in a title marks where the modified sign goes; doubled it shows
    // as itself.
    QString title = value;
    setWindowTitle(title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                   QStringLiteral("[*]"));
}

QMdiSubWindow* frmDoc::Window() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void frmDoc::Load()
{
    const qint16 slot = m_Docs.Slots().NewDocIndex();
    // Documents take the lowest free slot, so every lower slot has its tab
    // and the position keeps the tabs in slot order.
    const int index = m_Frame.tb()->insertTab(slot - 1, QStringLiteral("me.tag: "));
    m_Frame.tb()->setTabData(index, DocTabKey(slot));
    m_Frame.EnableStart();
}

void frmDoc::Activate()
{
    m_Docs.Slots().CurrentDoc(Slot());
    DoAct();
    m_Frame.EnableDocButtons();
}

void frmDoc::DoAct()
{
    const int index = TabIndex();
    if (index < 0)
        return;
    QTabBar* tb = m_Frame.tb();
    tb->setTabText(index, PathCaption(FileTitle(m_Caption)));
    tb->setCurrentIndex(index);
    tb->setTabToolTip(index, m_Caption);
    tb->setTabIcon(index, TabImage(m_Changed ? 2 : 1));
}

void frmDoc::ShowChanged()
{
    setWindowModified(m_Changed);
    // Only the image: a document changed by a run in the background does
    // not take the selection from the tab the user is on.
    const int index = TabIndex();
    if (index >= 0)
        m_Frame.tb()->setTabIcon(index, TabImage(m_Changed ? 2 : 1));
}

bool frmDoc::CloseWithoutAsking()
{
    m_CloseConfirmed = true;
    const bool closed = Window() ? Window()->close() : close();
    m_CloseConfirmed = false;
    return closed;
}

void frmDoc::closeEvent(QCloseEvent* event)
{
    if (!m_Unloaded && !m_CloseConfirmed && !m_Docs.ConfirmClose(*this)) {
        event->ignore();
        return;
    }
    Unload();
    event->accept();
}

void frmDoc::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutPanes();
}

int frmDoc::TabIndex() const
{
    const QString key = DocTabKey(Slot());
    QTabBar* tb = m_Frame.tb();
    for (int i = 0; i < tb->count(); ++i) {
        if (tb->tabData(i).toString() == key)
            return i;
    }
    return -1;
}

void frmDoc::Unload()
{
    if (m_Unloaded)
        return;
    m_Unloaded = true;
    // A slot already handed to another window is not this one's to free.
    if (m_Docs.Document(Slot()) == this)
        m_Docs.Slots().Free(Slot(), true);
    const int index = TabIndex();
    if (index >= 0)
        m_Frame.tb()->removeTab(index);
    m_Docs.Slots().CurrentDoc(0);
    Q_EMIT Unloaded(this);
    m_Frame.UpdateActions();
}

void frmDoc::LayoutPanes()
{
    // The layout works from the outer size of the document's window.
    const QWidget* outer = Window() ? static_cast<const QWidget*>(Window()) : this;
    if (outer->isMinimized())
        return;
    const QSize twips = PixelsToTwips(outer->size());
    const PaneGeometry panes = rumbela::LayoutPanes(twips.width(), twips.height());
    m_Src->setGeometry(TwipsToPixels(panes.Src));
    m_tgt->setGeometry(TwipsToPixels(panes.tgt));
}

void frmDoc::TargetClicked()
{
    try {
        Engine().SelKalimat(m_tgt->SelStart());
    } catch (const tembusa::Error& error) {
        tembusa::CurrentUi().ErrorBox(error.description());
    }
}

} // namespace rumbela
