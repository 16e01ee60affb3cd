// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/ModMDI.h"

#include "platform/BackupName.h"
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
#include <QStatusBar>
#include <QTabBar>

namespace rumbela {

namespace {

const QString kRecentFile = QStringLiteral("recent.rct");
const QString kTitle = QStringLiteral("Rumbela");

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
    m_FileFilter = QStringLiteral("All Files|*.*|All Supported Files|*.txt;*.htm;*.html") +
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
    doc->SourceEdited(false);
    doc->Window()->show();
    ActivateDoc(slot);
}

void ModMDI::OpenCommand()
{
    const QString path = m_Desktop.OpenFileName(&m_Frame, QStringLiteral("Open a document..."),
                                                DialogFilter(m_FileFilter), DialogFolder());
    if (path.isEmpty())
        return;
    OpenFile(path);
    UpdateRecentList(path);
}

void ModMDI::ReloadDoc()
{
    const QPointer<frmDoc> doc = Current();
    if (!doc || !doc->IsFile())
        return;
    if (doc->SourceEdited()) {
        const QString text = QStringLiteral("The source text of %1 has been edited.\n"
                                            "Do you want to reload it from the file and lose "
                                            "the edits?")
                                 .arg(doc->Caption());
        if (!m_Desktop.AskYesNoDefaultNo(&m_Frame, QStringLiteral("Reload"), text) || !doc)
            return;
    }
    QString error;
    if (!doc->Src()->LoadTextFile(doc->Caption(), error)) {
        ReportError(kFileAccessError, error);
        return;
    }
    doc->SourceEdited(false);
}

void ModMDI::CloseDoc()
{
    if (frmDoc* doc = Current())
        doc->Window()->close();
}

bool ModMDI::ConfirmClose(frmDoc& doc)
{
    if (!doc.Changed())
        return true;
    const QPointer<frmDoc> asked = &doc;
    // The user sees the document the question is about.
    ActivateDoc(doc.Slot());
    const QString text = QStringLiteral("Save changes to %1?").arg(FileTitle(doc.Caption()));
    switch (m_Desktop.AskSaveChanges(&m_Frame, kTitle, text)) {
    case Desktop::SaveChoice::Save:
        if (!asked)
            return true;
        ActivateDoc(asked->Slot());
        SaveFile();
        // A cancelled or failed save keeps the document open.
        return !asked || !asked->Changed();
    case Desktop::SaveChoice::Discard:
        return true;
    case Desktop::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool ModMDI::ConfirmCloseAll()
{
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        frmDoc* doc = Document(qint16(slot));
        if (doc && !ConfirmClose(*doc))
            return false;
    }
    return true;
}

bool ModMDI::AnyOpen() const
{
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        if (Document(qint16(slot)))
            return true;
    }
    return false;
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
    // from: its first save in this window keeps the earlier content under a
    // backup name no file has yet, so no text is ever lost. A failed save
    // keeps the document marked as it was.
    const QString path = doc->Caption();
    QString backup;
    if (!ConfirmEmptySave(doc, path) || !KeepBackup(*doc, path, backup) || !WriteTarget(*doc, path))
        return;
    doc->Changed(false);
    doc->DoAct();
    ReportSaved(path, backup);
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
                                   DialogFilter(m_FileFilter), ProposedName(*doc));
        if (path.isEmpty() || !doc)
            return;
        if (!FileExists(path))
            break;
        const QString text = path + QStringLiteral(" Already exists.") + QLatin1Char('\n') +
                             QStringLiteral("Do you want to replace it?");
        if (m_Desktop.AskYesNo(&m_Frame, QStringLiteral("Overwrite"), text))
            break;
    }
    if (!ConfirmEmptySave(doc, path) || !WriteTarget(*doc, path))
        return;
    // The document now belongs to the chosen file: later saves write there,
    // and opening that path finds this window.
    doc->Caption(path);
    doc->IsFile(true);
    doc->filename(path);
    // The user agreed to replace what was there: a later save here keeps no
    // backup of this document's own output.
    doc->BackupOf(path);
    doc->Changed(false);
    doc->DoAct();
    UpdateRecentList(path);
    ReportSaved(path, QString());
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

bool ModMDI::CloseAllDocs()
{
    if (!ConfirmCloseAll())
        return false;
    m_Frame.setUpdatesEnabled(false);
    for (int slot = 1; slot <= m_Slots.Count(); ++slot) {
        if (frmDoc* doc = Document(qint16(slot)))
            doc->CloseWithoutAsking();
    }
    m_Frame.setUpdatesEnabled(true);
    return !AnyOpen();
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
    if (m_Frame.HasPaneFont()) {
        doc->Src()->setFont(m_Frame.PaneFont());
        doc->tgt()->setFont(m_Frame.PaneFont());
    }
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

QString ModMDI::DialogFolder() const
{
    const frmDoc* doc = Current();
    if (!doc || !doc->Caption().contains(QLatin1Char('/')))
        return QString();
    return QFileInfo(doc->Caption()).absolutePath();
}

QString ModMDI::ProposedName(const frmDoc& doc) const
{
    // An untitled document has no folder of its own: its name alone.
    return doc.Caption().contains(QLatin1Char('/')) ? doc.Caption()
                                                    : doc.Caption() + QStringLiteral(".txt");
}

bool ModMDI::ConfirmEmptySave(const QPointer<frmDoc>& doc, const QString& path)
{
    if (!doc || !doc->tgt()->Text().isEmpty() || QFileInfo(path).size() == 0)
        return doc;
    const QString text = QStringLiteral("The translation is empty, and %1 is not.\n"
                                        "Do you want to replace the file with an empty one?")
                             .arg(path);
    return m_Desktop.AskYesNoDefaultNo(&m_Frame, QStringLiteral("Save Document"), text) && doc;
}

bool ModMDI::KeepBackup(frmDoc& doc, const QString& path, QString& backup)
{
    if (doc.BackupOf() == path || !FileExists(path))
        return true;
    backup = tembusa::FreeBackupName(path);
    if (!QFile::copy(path, backup)) {
        ReportError(kFileAccessError,
                    QStringLiteral("Cannot keep a copy of %1 as %2, so the document was not "
                                   "saved.")
                        .arg(path, backup));
        return false;
    }
    doc.BackupOf(path);
    return true;
}

void ModMDI::ReportSaved(const QString& path, const QString& backup)
{
    QString text = QStringLiteral("Saved the translation to %1").arg(path);
    if (!backup.isEmpty())
        text += QStringLiteral("; the earlier file is kept as %1").arg(FileTitle(backup));
    m_Frame.statusBar()->showMessage(text + QLatin1Char('.'));
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
