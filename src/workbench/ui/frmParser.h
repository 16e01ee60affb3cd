// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class QRadioButton;

namespace tembusa {
class TlrEngine;
}

namespace rumbela {

class MDIForm1;
class TextPane;

// The parser view "Parser", a document-area window of the frame: shows how
// the workbench's engine cuts the source text of the document opened or
// created last (slot NewDocIndex, not necessarily the active one) into
// paragraphs (optObj0 "Paragraf"), sentences (optObj1 "Kalimat") or words
// (optObj2 "Kata", selected at start). The listing tgt is empty until an
// option is chosen and does not follow later changes of the document. The
// view cuts the text with an engine of its own, so the tables behind the
// translations (a click in a translation finds its source sentence through
// them) stay as they are; its caption names the document listed.
class frmParser : public QWidget
{
    Q_OBJECT

public:
    explicit frmParser(MDIForm1& frame, QWidget* parent = nullptr);
    ~frmParser() override;

    TextPane* tgt() const { return m_tgt; }
    QRadioButton* optObj(int index) const;

    // Choosing option index (0, 1 or 2): tgt becomes the option's heading
    // ("## Paragraf ##", "## Kalimat ##", "## Kata ##"), CR LF and the
    // engine's listing, and the caption "Parser - " and the document's tab
    // caption. Without a document in slot NewDocIndex, or when the engine
    // fails, the listing stays as it was and a message says why.
    void ChooseOption(int index);

protected:
    // The listing fills the window below the options.
    void resizeEvent(QResizeEvent* event) override;

private:
    MDIForm1& m_Frame;
    // Created on the first listing; never the workbench's own engine.
    std::unique_ptr<tembusa::TlrEngine> m_Engine;
    TextPane* m_tgt;
    QList<QRadioButton*> m_optObj;
};

// Display Parser: brings up the frame's parser view, creating it (empty)
// when there is none.
frmParser* ShowParser(MDIForm1& frame);

} // namespace rumbela
