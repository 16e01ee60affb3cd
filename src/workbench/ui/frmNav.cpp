// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/frmNav.h"

#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/NavigatorLayout.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"

#include <tembusa/TlrEngine.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

namespace rumbela {

namespace {

const QString kTitle = QStringLiteral("Rumbela");

constexpr int kKeyRole = Qt::UserRole;

// Why folder cannot be listed; empty text when it can.
QString ListingProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists() || !info.isDir())
        return QStringLiteral("it does not exist");
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("access is denied");
    return QString();
}

// Stores one unknown word through the workbench's engine. The engine's
// InsertUnknown tells nothing of the outcome, so only a dictionary that is
// not open is known to store nothing.
bool StoreUnknownWord(const QString& word)
{
    return Engine().StoreUnknown(word);
}

// The root of the drive that holds folder.
QString RootOf(const QString& folder)
{
    const QString root = QStorageInfo(folder).rootPath();
    return root.isEmpty() ? QStringLiteral("/") : root;
}

QTreeWidgetItem* FolderItem(const QString& text, const QString& path, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKeyRole, path);
    item->setIcon(0, icon);
    item->setToolTip(0, path);
    return item;
}

} // namespace

frmNav::frmNav(MDIForm1& frame, QWidget* parent)
    : QWidget(parent), m_Frame(frame), m_Tbs(new QTabWidget(this)), m_Picture4(new QWidget),
      m_Drive1(new QComboBox(m_Picture4)), m_Dir1(new QTreeWidget(m_Picture4)),
      m_imgSize(new QWidget(m_Picture4)), m_picSize(new QWidget(m_Picture4)),
      m_File1(new QTreeWidget(m_Picture4)), m_picunlst(new QWidget),
      m_unlst(new QListWidget(m_picunlst)), m_cmdSaveUnList(new QPushButton(m_picunlst)),
      m_SplitterTop(kSplitterFirstTop)
{
    setObjectName(QStringLiteral("frmNav"));
    setWindowTitle(QStringLiteral("Quick Nav"));
    m_Tbs->setObjectName(QStringLiteral("Tbs"));
    m_Tbs->setDocumentMode(true);
    m_Tbs->addTab(m_Picture4, QStringLiteral("Files"));
    m_Tbs->addTab(m_picunlst, QStringLiteral("Unknown"));
    CreateFilesPage();
    CreateUnknownPage();

    // The window's load: the current folder listed.
    const QString folder = QDir::currentPath();
    FillDrives(folder);
    ShowFolder(RootOf(folder), folder, QStringLiteral("folder"));
}

void frmNav::CreateFilesPage()
{
    m_Picture4->setObjectName(QStringLiteral("Picture4"));
    m_Picture4->installEventFilter(this);
    m_Drive1->setObjectName(QStringLiteral("Drive1"));
    connect(m_Drive1, &QComboBox::activated, this, &frmNav::ChangeDrive);

    m_Dir1->setObjectName(QStringLiteral("Dir1"));
    m_Dir1->setHeaderHidden(true);
    m_Dir1->setIndentation(10);
    connect(m_Dir1, &QTreeWidget::itemActivated, this, &frmNav::FolderActivated);

    m_imgSize->setObjectName(QStringLiteral("imgSize"));
    m_imgSize->setCursor(Qt::SizeVerCursor);
    m_imgSize->installEventFilter(this);
    m_picSize->setObjectName(QStringLiteral("picSize"));
    m_picSize->setAutoFillBackground(true);
    QPalette palette = m_picSize->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
    m_picSize->setPalette(palette);
    m_picSize->hide();

    m_File1->setObjectName(QStringLiteral("File1"));
    m_File1->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Path")});
    m_File1->setRootIsDecorated(false);
    m_File1->setIconSize(QSize(16, 16));
    m_File1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_File1, &QTreeWidget::itemActivated, this, &frmNav::FileActivated);
    connect(m_File1, &QWidget::customContextMenuRequested, this, &frmNav::FileListMenu);
}

void frmNav::CreateUnknownPage()
{
    m_picunlst->setObjectName(QStringLiteral("picunlst"));
    m_picunlst->installEventFilter(this);
    m_unlst->setObjectName(QStringLiteral("unlst"));
    m_cmdSaveUnList->setObjectName(QStringLiteral("cmdSaveUnList"));
    m_cmdSaveUnList->setText(QStringLiteral("Save"));
    connect(m_cmdSaveUnList, &QPushButton::clicked, this, &frmNav::SaveUnknownList);
}

void frmNav::FillDrives(const QString& folder)
{
    QStringList roots{RootOf(folder)};
    QHash<QString, QString> names;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Single files mounted into the tree are no drives.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        roots.append(volume.rootPath());
        names.insert(volume.rootPath(), volume.name());
    }
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    for (const QString& root : std::as_const(roots)) {
        const QString name = names.value(root);
        m_Drive1->addItem(
            name.isEmpty() ? root : root + QStringLiteral("  [") + name + QLatin1Char(']'), root);
    }
}

bool frmNav::ChangeFolder(const QString& folder)
{
    return ShowFolder(m_Root, folder, QStringLiteral("folder"));
}

bool frmNav::ChangeDrive(int index)
{
    const QString root = m_Drive1->itemData(index).toString();
    QString folder = m_DriveFolders.value(root, root);
    // A folder gone since leaves the drive at its root.
    if (!ListingProblem(folder).isEmpty())
        folder = root;
    if (ShowFolder(root, folder, QStringLiteral("drive")))
        return true;
    m_Drive1->setCurrentIndex(m_Drive1->findData(m_Root));
    return false;
}

bool frmNav::ShowFolder(const QString& root, const QString& folder, const QString& what)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    const QString problem = ListingProblem(path);
    if (!problem.isEmpty()) {
        m_Frame.desktop().ShowCritical(
            this, kTitle, QStringLiteral("The %1 %2 cannot be read: %3.").arg(what, path, problem));
        return false;
    }
    // The folder list walks down from the drive's root by real names.
    path = QFileInfo(path).canonicalFilePath();
    m_Root = root;
    m_Path = path;
    m_DriveFolders.insert(root, path);
    m_Drive1->setCurrentIndex(m_Drive1->findData(root));
    FillDir1();
    ClearFileList();
    FillFile1WithFiles(path);
    LoadFileIcons();
    ShowFileIcons();
    return true;
}

void frmNav::FillDir1()
{
    m_Dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* current = FolderItem(m_Root, m_Root, open);
    m_Dir1->addTopLevelItem(current);
    const QString relative = QDir(m_Root).relativeFilePath(m_Path);
    QString path = m_Root;
    for (const QString& name : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (name == QStringLiteral("."))
            continue;
        path = AddBackslash(path) + name;
        auto* item = FolderItem(name, path, open);
        current->addChild(item);
        current = item;
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QFileInfoList subfolders = QDir(m_Path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& subfolder : subfolders)
        current->addChild(FolderItem(subfolder.fileName(), subfolder.absoluteFilePath(), closed));
    m_Dir1->expandAll();
    m_Dir1->setCurrentItem(current);
    m_Dir1->scrollToItem(current);
}

void frmNav::FillFile1WithFiles(const QString& path)
{
    const QString folder = AddBackslash(path);
    // Without QDir::Hidden and QDir::System only ordinary files are listed.
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    QList<QTreeWidgetItem*> items;
    items.reserve(files.size());
    for (const QFileInfo& file : files) {
        auto* item = new QTreeWidgetItem(QStringList{file.fileName(), folder});
        item->setData(0, kKeyRole, folder + file.fileName());
        items.append(item);
    }
    m_File1->addTopLevelItems(items);
}

void frmNav::ClearFileList()
{
    m_File1->clear();
    m_iml16.clear();
    m_iml32.clear();
}

void frmNav::LoadFileIcons()
{
    const int count = m_File1->topLevelItemCount();
    // One entry per item, so that a file without icon shifts no other's.
    m_iml16 = QList<QPixmap>(count);
    m_iml32 = QList<QPixmap>(count);
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = m_File1->topLevelItem(i);
        AddFileIcon(item->text(1) + item->text(0), i);
    }
}

void frmNav::AddFileIcon(const QString& path, int index)
{
    const QIcon icon = m_IconProvider.icon(QFileInfo(path));
    if (icon.isNull())
        return;
    m_iml16[index] = icon.pixmap(QSize(16, 16));
    m_iml32[index] = icon.pixmap(QSize(32, 32));
}

void frmNav::ShowFileIcons()
{
    for (int i = 0; i < m_File1->topLevelItemCount() && i < m_iml16.size(); ++i) {
        QIcon icon;
        if (!m_iml16[i].isNull())
            icon.addPixmap(m_iml16[i]);
        if (!m_iml32[i].isNull())
            icon.addPixmap(m_iml32[i]);
        m_File1->topLevelItem(i)->setIcon(0, icon);
    }
    m_File1->resizeColumnToContents(0);
}

void frmNav::SaveUnknownList()
{
    if (m_Saving)
        return;
    m_Saving = true;
    m_cmdSaveUnList->setEnabled(false);
    QStringList words;
    for (int i = 0; i < m_unlst->count(); ++i)
        words.append(m_unlst->item(i)->text());
    QProgressBar* bar = m_Frame.ProgressBar1();
    bar->show();
    bar->setValue(0);
    bar->setRange(0, int(words.size()));
    const QPointer<frmNav> self(this);
    QStringList failed;
    for (int i = 0; i < words.size(); ++i) {
        if (!StoreUnknownWord(words[i]))
            failed.append(words[i]);
        QCoreApplication::processEvents();
        if (!self)
            return;
        bar->setValue(i);
    }
    bar->hide();
    // Words the engine added during the save were not stored: they stay.
    QStringList stored = words;
    for (const QString& word : std::as_const(failed))
        stored.removeOne(word);
    for (int i = m_unlst->count() - 1; i >= 0; --i) {
        if (stored.removeOne(m_unlst->item(i)->text()))
            delete m_unlst->takeItem(i);
    }
    m_Saving = false;
    m_cmdSaveUnList->setEnabled(true);
    if (!failed.isEmpty())
        m_Frame.desktop().ShowCritical(
            this, kTitle,
            QStringLiteral("These words could not be stored in the dictionary and stay in the "
                           "list:\n") +
                failed.join(QStringLiteral(", ")));
}

void frmNav::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_Tbs->setGeometry(rect().adjusted(kNavGap, kNavGap, -kNavGap, -kNavGap));
}

bool frmNav::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imgSize)
        return SplitterMouse(event) || QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) {
        if (watched == m_Picture4)
            ArrangeFilesPage();
        else if (watched == m_picunlst)
            ArrangeUnknownPage();
    }
    return QWidget::eventFilter(watched, event);
}

void frmNav::ArrangeFilesPage()
{
    const FilesPageGeometry page = rumbela::ArrangeFilesPage(
        m_Picture4->width(), m_Picture4->height(), m_SplitterTop, m_Drive1->sizeHint().height());
    m_Drive1->setGeometry(page.Drive1);
    m_Dir1->setGeometry(page.Dir1);
    m_imgSize->setGeometry(page.imgSize);
    m_picSize->setGeometry(page.imgSize);
    m_File1->setGeometry(page.File1);
}

void frmNav::ArrangeUnknownPage()
{
    const QSize page = m_picunlst->size();
    const QSize button = m_cmdSaveUnList->sizeHint().expandedTo(QSize(35, 17)); // 525 x 255
    const int buttonTop = page.height() - button.height() - 1;
    m_unlst->setGeometry(0, kNavGap, page.width(), std::max(buttonTop - kNavGap - 1, 0));
    m_cmdSaveUnList->setGeometry(QRect(QPoint(1, buttonTop), button));
}

bool frmNav::SplitterMouse(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_picSize->setGeometry(m_imgSize->geometry());
        m_picSize->show();
        m_picSize->raise();
        return true;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() != Qt::LeftButton)
            return true;
        const int top =
            DragSplitterTop(m_imgSize->y(), qRound(mouse->position().y()), m_Picture4->height());
        m_picSize->move(m_picSize->x(), top);
        m_imgSize->setGeometry(m_picSize->geometry());
        m_SplitterTop = top;
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_picSize->hide();
        ArrangeFilesPage();
        return true;
    default:
        return false;
    }
}

void frmNav::FolderActivated(QTreeWidgetItem* item)
{
    if (item)
        ChangeFolder(item->data(0, kKeyRole).toString());
}

void frmNav::FileActivated(QTreeWidgetItem* item)
{
    if (item)
        m_Frame.Docs().OpenFile(AddBackslash(m_Path) + item->text(0));
}

void frmNav::FileListMenu(const QPoint& position)
{
    QMenu menu(this);
    QAction* small = menu.addAction(QStringLiteral("Small Icons"));
    QAction* large = menu.addAction(QStringLiteral("Large Icons"));
    small->setCheckable(true);
    large->setCheckable(true);
    small->setChecked(m_File1->iconSize().height() == 16);
    large->setChecked(!small->isChecked());
    QAction* chosen = menu.exec(m_File1->viewport()->mapToGlobal(position));
    if (chosen)
        m_File1->setIconSize(chosen == large ? QSize(32, 32) : QSize(16, 16));
}

} // namespace rumbela
