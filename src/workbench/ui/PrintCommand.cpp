// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/PrintCommand.h"

#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"

#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace rumbela {

void FillPrintDocument(QTextDocument& document, Desktop::PrintContent content,
                       const QString& source, const QString& translation)
{
    document.clear();
    QTextCursor cursor(&document);
    if (content != Desktop::PrintContent::SideBySide) {
        cursor.insertText(content == Desktop::PrintContent::Source ? source : translation);
        return;
    }
    const QStringList left = source.split(QLatin1Char('\n'));
    const QStringList right = translation.split(QLatin1Char('\n'));
    const int rows = int(std::max(left.size(), right.size()));
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(4);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 50),
                                      QTextLength(QTextLength::PercentageLength, 50)});
    QTextTable* table = cursor.insertTable(rows, 2, format);
    for (int row = 0; row < rows; ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(left.value(row));
        table->cellAt(row, 1).firstCursorPosition().insertText(right.value(row));
    }
}

void PrintDocument(MDIForm1& frame)
{
    const QPointer<frmDoc> doc = frame.Docs().Current();
    if (!doc)
        return;
    auto content = Desktop::PrintContent::Translation;
    bool preview = false;
    if (!frame.desktop().AskPrint(&frame, content, preview) || !doc)
        return;
    QTextDocument document;
    document.setDefaultFont(doc->tgt()->font());
    FillPrintDocument(document, content, doc->Src()->Text(), doc->tgt()->Text());
    frame.desktop().PrintText(&frame, document, preview);
}

} // namespace rumbela
