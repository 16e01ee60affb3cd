// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace rumbela {

class Desktop;

// The About box "About Applicaiton": the program's icon, title, version
// ("Version " major.minor.revision of this build), the makers' contact lines
// and a copyright warning, with "OK" (default and cancel button) and
// "&System Info..." which starts the desktop's system information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // desktop shows the box's message; it must outlive the box.
    explicit frmAbout(Desktop& desktop, QWidget* owner = nullptr);

    QLabel* lblTitle() const { return m_lblTitle; }
    QLabel* lblVersion() const { return m_lblVersion; }
    QLabel* lblDescription() const { return m_lblDescription; }
    QLabel* lblDisclaimer() const { return m_lblDisclaimer; }

    // "&System Info...": starts the first system information program found
    // on PATH; when there is none or it does not start, the message "System
    // Information Is Unavailable At This Time".
    void StartSysInfo();

private:
    void CreateLayout();
    void Load();

    Desktop& m_Desktop;
    QLabel* m_picIcon;
    QLabel* m_lblTitle;
    QLabel* m_lblVersion;
    QLabel* m_lblDescription;
    QLabel* m_lblDisclaimer;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdSysInfo;
};

} // namespace rumbela
