// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/ModMDI.h"

#include "workbench/FilePaths.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>

namespace rumbela {

namespace {

const QString kRecentFile = QStringLiteral("recent.rct");

// "Path/File access error": a document file could not be read or written.
constexpr qint32 kFileAccessError = 75;

// Design size of a document window: 10560 x 5940 twips.
constexpr QSize kDocumentSize(704, 396);

} // namespace

ModMDI::ModMDI(MDIForm1& frame, Desktop& desktop) : m_Frame(frame), m_Desktop(desktop)
{
    setObjectName(QStringLiteral("ModMDI"));
    connect(frame.mdiArea(), &QMdiArea::subWindowActivated, this, &ModMDI::SubWindowActivated);
}

ModMDI::~ModMDI() = default;

frmDoc* ModMDI::Document(qint16 slot) const
{
    if (slot < 1 || slot > m_Documents.size() || m_Slots.Free(slot))
        return nullptr;
    return m_Documents[slot - 1].data();
}

void ModMDI::SetFileFilter()
{
    m_FileFilter = QStringLiteral("All Files|*.*|All Supported Files|*txt;*.html;") +
                   QStringLiteral("|Text Files|*.txt|Html Files|*.html;*.htm");
}

void ModMDI::LoadRecentList()
{
    m_Recent.Load(WorkbenchFilePath(kRecentFile));
    RefreshRecentMenu();
}

void ModMDI::FileNew()
{
    const qint16 slot = m_Slots.TakeSlot();
    if (slot == 0)
        return;
    frmDoc* doc = CreateDocument(slot);
    doc->Changed(false);
    doc->IsFile(false);
    doc->filename(QString());
    doc->Tag(QString::number(slot));
    doc->Caption(QStringLiteral("Untitled ") + doc->Tag());
    doc->Window()->show();
    ActivateDoc(slot);
}

void ModMDI::OpenFile(const QString& path)
{
    if (!FileExists(path)) {
        const QString text = QStringLiteral("The file: ") + path + QLatin1Char('\n') +
                             QStringLiteral("does not exist. Do you wish to create it?");
        if (!m_Desktop.AskYesNo(&m_Frame, QStringLiteral("Create File"), text))
            return;
    }
    if (m_Slots.NewDocIndex() > 0) {
        if (frmDoc* open = FindOpenFile(path)) {
            ActivateDoc(open->Slot());
            return;
        }
    }
    const qint16 slot = m_Slots.TakeSlot();
    if (slot == 0)
        return;
    frmDoc* doc = CreateDocument(slot);
    doc->Changed(false);
    doc->Tag(QString::number(slot));
    doc->Caption(path);
    doc->IsFile(true);
    doc->filename(path);
    // A path the user chose to create has nothing there yet: its pane stays
    // empty. Anything else that cannot be read is reported.
    QString error;
    if (QFileInfo::exists(path) && !doc->Src()->LoadTextFile(path, error))
        ReportError(kFileAccessError, error);
    doc->Window()->show();
    ActivateDoc(slot);
}

void ModMDI::OpenCommand()
{
    const QString path = m_Desktop.OpenFileName(&m_Frame, QStringLiteral("Open a document..."),
                                                DialogFilter(m_FileFilter));
    if (path.isEmpty())
        return;
    OpenFile(path);
    UpdateRecentList(path);
}

void ModMDI::ReloadDoc()
{
    frmDoc* doc = Current();
    if (!doc || !doc->IsFile())
        return;
    QString error;
    if (!doc->Src()->LoadTextFile(doc->Caption(), error))
        ReportError(kFileAccessError, error);
}

void ModMDI::CloseDoc()
{
    if (frmDoc* doc = Current())
        doc->Window()->close();
}

void ModMDI::SaveFile()
{
    const QPointer<frmDoc> doc = Current();
    if (!doc)
        return;
    if (!doc->IsFile()) {
        SaveFileAs();
        if (doc)
            doc->DoAct();
        return;
    }
    // Save writes the translation over the file the document was opened
    // from: its first save in this window keeps the earlier content as a
    // backup, so the source text is never lost. A failed save keeps the
    // document marked as it was.
    if (!KeepBackup(*doc) || !WriteTarget(*doc, doc->Caption()))
        return;
    doc->Changed(false);
    doc->DoAct();
}

void ModMDI::SaveFileAs()
{
    const QPointer<frmDoc> doc = Current();
    if (!doc)
        return;
    QString path;
    for (;;) {
        path =
            m_Desktop.SaveFileName(&m_Frame, QStringLiteral("Save document... ") + doc->Caption(),
                                   DialogFilter(m_FileFilter));
        if (path.isEmpty() || !doc)
            return;
        if (!FileExists(path))
            break;
        const QString text = path + QStringLiteral(" Already exists.") + QLatin1Char('\n') +
                             QStringLiteral("Do you want to replace it?");
        if (m_Desktop.AskYesNo(&m_Frame, QStringLiteral("Overwrite"), text))
            break;
    }
    if (!doc || !WriteTarget(*doc, path))
        return;
    doc->Caption(path);
    UpdateRecentList(path);
}

void ModMDI::SaveAllDocs()
{
    const qint16 remembered = m_Slots.CurrentDoc();
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        if (m_Slots.Free(qint16(slot)))
            continue;
        ActivateDoc(qint16(slot));
        SaveFile();
    }
    ActivateDoc(remembered);
}

void ModMDI::CloseAllDocs()
{
    m_Frame.setUpdatesEnabled(false);
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        if (frmDoc* doc = Document(qint16(slot)))
            doc->Window()->close();
    }
    m_Frame.setUpdatesEnabled(true);
}

void ModMDI::UpdateRecentList(const QString& path)
{
    m_Recent.Add(path);
    // A list that cannot be written still shows in the menu for this run.
    m_Recent.Save(WorkbenchFilePath(kRecentFile));
    RefreshRecentMenu();
}

void ModMDI::OpenRecent(int index)
{
    QAction* item = m_Frame.mnuRec(index);
    // The first item shows before any entry fills it; empty, it opens nothing.
    if (!item || item->data().toString().isEmpty())
        return;
    OpenFile(item->data().toString());
}

void ModMDI::ShowStatus(const QString& text)
{
    if (m_Frame.picStatus()->isVisibleTo(&m_Frame))
        m_Frame.lblStatus()->setText(text);
    else
        m_Frame.StatusPanel(1)->setText(text);
}

void ModMDI::ActivateTab(int index)
{
    if (index < 0)
        return;
    m_Frame.tb()->setCurrentIndex(index);
    ActivateDoc(SlotOfTabKey(m_Frame.tb()->tabData(index).toString()));
}

void ModMDI::ActivateDoc(qint16 slot)
{
    frmDoc* doc = Document(slot);
    if (!doc)
        return;
    m_Frame.mdiArea()->setActiveSubWindow(doc->Window());
    // The area reports the activation; one that is already active, or an
    // area not shown yet, reports nothing, so make sure it is current.
    if (m_Slots.CurrentDoc() != slot)
        doc->Activate();
}

frmDoc* ModMDI::CreateDocument(qint16 slot)
{
    while (m_Documents.size() < slot)
        m_Documents.append(nullptr);
    auto* doc = new frmDoc(*this, m_Frame);
    QMdiSubWindow* window = m_Frame.mdiArea()->addSubWindow(doc);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(kDocumentSize);
    m_Documents[slot - 1] = doc;
    doc->Load();
    return doc;
}

frmDoc* ModMDI::FindOpenFile(const QString& path) const
{
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        frmDoc* doc = Document(qint16(slot));
        if (doc && doc->IsFile() && doc->filename() == path)
            return doc;
    }
    return nullptr;
}

void ModMDI::SubWindowActivated(QMdiSubWindow* window)
{
    auto* doc = window ? qobject_cast<frmDoc*>(window->widget()) : nullptr;
    // A closed window may still be on its way out; its slot is not its own.
    if (doc && Document(doc->Slot()) == doc)
        doc->Activate();
}

void ModMDI::RefreshRecentMenu()
{
    bool any = false;
    for (int k = 0; k < RecentList::kCount; ++k) {
        const QString entry = m_Recent.Entry(k);
        QAction* item = m_Frame.mnuRec(k);
        if (!item)
            continue;
        // An empty entry shows no item: an empty caption that opens nothing
        // only puzzles the user.
        item->setText(PathCaption(entry));
        item->setData(entry);
        item->setVisible(!entry.isEmpty());
        any = any || !entry.isEmpty();
    }
    if (QMenu* menu = m_Frame.findChild<QMenu*>(QStringLiteral("mnRecent")))
        menu->menuAction()->setEnabled(any);
}

bool ModMDI::KeepBackup(frmDoc& doc)
{
    const QString path = doc.Caption();
    if (doc.BackupKept() || !FileExists(path))
        return true;
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    if (!QFile::copy(path, backup)) {
        ReportError(kFileAccessError,
                    QStringLiteral("Cannot keep a copy of %1 as %2, so the document was not "
                                   "saved.")
                        .arg(path, backup));
        return false;
    }
    doc.BackupKept(true);
    return true;
}

bool ModMDI::WriteTarget(frmDoc& doc, const QString& path)
{
    QString error;
    if (doc.tgt()->SaveFile(path, error))
        return true;
    ReportError(kFileAccessError, error);
    return false;
}

void ModMDI::ReportError(qint32 number, const QString& description)
{
    const QString title = QStringLiteral("Error: ") + QString::number(number);
    m_Desktop.ShowCritical(&m_Frame, title, title + QLatin1Char('\n') + description);
}

} // namespace rumbela
