// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/frmOutput.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace rumbela {

namespace {

// Design size: 7800 x 3255 twips.
constexpr QSize kWindowSize(520, 217);

QAction* AddItem(QMenu* menu, const QString& name, const QString& text)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

} // namespace

frmOutput::frmOutput(QWidget* parent)
    : QWidget(parent), m_txtOut(new QPlainTextEdit(this)), m_MEdit(new QMenu(this))
{
    setObjectName(QStringLiteral("frmOutput"));
    setWindowTitle(QStringLiteral("Debug - stdout"));
    resize(kWindowSize);

    m_txtOut->setObjectName(QStringLiteral("txtOut"));
    m_txtOut->setReadOnly(true);
    m_txtOut->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(9.75);
    m_txtOut->setFont(font);
    // The text area's own menu gives way to MEdit.
    m_txtOut->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_txtOut, &QWidget::customContextMenuRequested, this, &frmOutput::ShowMenu);

    m_MEdit->setObjectName(QStringLiteral("MEdit"));
    m_MEdit->setTitle(QStringLiteral("Edit"));
    connect(AddItem(m_MEdit, QStringLiteral("MCopy"), QStringLiteral("&Copy")), &QAction::triggered,
            this, &frmOutput::Copy);
    AddItem(m_MEdit, QStringLiteral("MSave"), QStringLiteral("&Save to file..."))
        ->setEnabled(false);
    m_MEdit->addSeparator()->setObjectName(QStringLiteral("MNone1"));
    connect(AddItem(m_MEdit, QStringLiteral("MClear"), QStringLiteral("C&lear")),
            &QAction::triggered, this, &frmOutput::Clear);

    // The text area fills the window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_txtOut);
}

void frmOutput::Copy()
{
    QGuiApplication::clipboard()->setText(m_txtOut->toPlainText());
}

void frmOutput::Clear()
{
    m_txtOut->clear();
}

void frmOutput::ShowMenu(const QPoint& position)
{
    m_MEdit->popup(m_txtOut->viewport()->mapToGlobal(position));
}

} // namespace rumbela
