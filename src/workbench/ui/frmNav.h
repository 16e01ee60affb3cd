// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileIconProvider>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace rumbela {

class MDIForm1;

// The navigator "Quick Nav", docked at the frame's side, with two pages
// under the tab strip Tbs:
// - "Files": the drive chooser Drive1 (the mounted volumes), the folder list
//   Dir1 (the folders from the drive's root down to the current folder, and
//   the current folder's subfolders), a splitter, and the file list File1
//   with the ordinary files of the current folder and their icons; a double
//   click on a file opens it as a document, on a folder makes it current.
// - "Unknown": the list unlst that the engine fills with the words it could
//   not translate, and "Save", which stores them in the dictionary.
class frmNav : public QWidget
{
    Q_OBJECT

public:
    explicit frmNav(MDIForm1& frame, QWidget* parent = nullptr);

    QTabWidget* Tbs() const { return m_Tbs; }
    QComboBox* Drive1() const { return m_Drive1; }
    QTreeWidget* Dir1() const { return m_Dir1; }
    QWidget* imgSize() const { return m_imgSize; }
    QTreeWidget* File1() const { return m_File1; }
    QListWidget* unlst() const { return m_unlst; }
    QPushButton* cmdSaveUnList() const { return m_cmdSaveUnList; }

    // The folder shown by the folder list and the file list.
    QString Path() const { return m_Path; }

    // Makes folder current: the folder list shows it and the file list its
    // files with their icons. A folder that cannot be read is reported in a
    // message, and both lists stay as they were; false then.
    bool ChangeFolder(const QString& folder);

    // Chooses the drive of Drive1's entry index, at the folder last current
    // on it (its root at first). A drive that cannot be read is reported in
    // a message, and the chooser and both lists stay as they were.
    bool ChangeDrive(int index);

    // Adds to the file list the ordinary files of path (no folders, hidden
    // files or system files), by name: text the name, first sub-item the
    // folder with a trailing "/", key (Qt::UserRole) the full path.
    void FillFile1WithFiles(const QString& path);

    // The file list's images at 16 and 32 pixels: entry i belongs to item i;
    // a null pixmap where the desktop gives the file no icon.
    const QList<QPixmap>& iml16() const { return m_iml16; }
    const QList<QPixmap>& iml32() const { return m_iml32; }

    // Hands every listed unknown word to the engine to store and removes
    // the stored ones. Words that could not be stored stay in the list and
    // are named in a message. Refused while a save runs.
    void SaveUnknownList();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFilesPage();
    void CreateUnknownPage();
    void FillDrives(const QString& folder);
    bool ShowFolder(const QString& root, const QString& folder, const QString& what);
    void FillDir1();
    void ClearFileList();
    void LoadFileIcons();
    void AddFileIcon(const QString& path, int index);
    void ShowFileIcons();
    void ArrangeFilesPage();
    void ArrangeUnknownPage();
    bool SplitterMouse(QEvent* event);
    void FolderActivated(QTreeWidgetItem* item);
    void FileActivated(QTreeWidgetItem* item);
    void FileListMenu(const QPoint& position);

    MDIForm1& m_Frame;
    QTabWidget* m_Tbs;
    QWidget* m_Picture4;
    QComboBox* m_Drive1;
    QTreeWidget* m_Dir1;
    QWidget* m_imgSize;
    QWidget* m_picSize;
    QTreeWidget* m_File1;
    QWidget* m_picunlst;
    QListWidget* m_unlst;
    QPushButton* m_cmdSaveUnList;

    QFileIconProvider m_IconProvider;
    QList<QPixmap> m_iml16;
    QList<QPixmap> m_iml32;
    QString m_Root; // root of the chosen drive
    QString m_Path;
    QHash<QString, QString> m_DriveFolders; // root -> folder last current there
    // Where the user put the splitter; a page too small for it shows it
    // higher only until the page grows again.
    int m_SplitterTop;
    bool m_Saving = false;
};

} // namespace rumbela
