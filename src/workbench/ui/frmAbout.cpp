// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/frmAbout.h"

#include "workbench/AboutText.h"
#include "workbench/ui/Desktop.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace rumbela {

namespace {

// Design width: 5865 twips.
constexpr int kWidth = 391;

QLabel* AddLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmAbout::frmAbout(Desktop& desktop, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      m_Desktop(desktop), m_picIcon(AddLabel(this, QStringLiteral("picIcon"))),
      m_lblTitle(AddLabel(this, QStringLiteral("lblTitle"))),
      m_lblVersion(AddLabel(this, QStringLiteral("lblVersion"))),
      m_lblDescription(AddLabel(this, QStringLiteral("lblDescription"))),
      m_lblDisclaimer(AddLabel(this, QStringLiteral("lblDisclaimer"))),
      m_cmdOK(AddButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"))),
      m_cmdSysInfo(AddButton(this, QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info...")))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Applicaiton"));
    CreateLayout();

    // OK is the default button; Escape closes the dialog as its cancel.
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    Load();
    setFixedSize(QSize(kWidth, heightForWidth(kWidth)).expandedTo(sizeHint()));
}

void frmAbout::CreateLayout()
{
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblDisclaimer->setWordWrap(true);
    m_picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_picIcon, 0, 0, 3, 1);
    grid->addWidget(m_lblTitle, 0, 1, 1, 2);
    grid->addWidget(m_lblVersion, 1, 1, 1, 2);
    grid->addWidget(m_lblDescription, 2, 1, 1, 2);
    grid->addWidget(line, 3, 0, 1, 3);
    grid->addWidget(m_lblDisclaimer, 4, 0, 2, 2);
    grid->addWidget(m_cmdOK, 4, 2);
    grid->addWidget(m_cmdSysInfo, 5, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
}

void frmAbout::StartSysInfo()
{
    const QString program = FindSysInfoProgram();
    if (!program.isEmpty() && StartProgram(program))
        return;
    m_Desktop.ShowMessage(this, m_lblTitle->text(),
                          QStringLiteral("System Information Is Unavailable At This Time"));
}

void frmAbout::Load()
{
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    m_picIcon->setPixmap(icon.pixmap(iconSize, iconSize));
    m_lblVersion->setText(BuildVersionText());
    m_lblTitle->setText(QApplication::applicationName());
    m_lblDescription->setText(MakerText());
    m_lblDisclaimer->setText(DisclaimerText());
}

} // namespace rumbela
