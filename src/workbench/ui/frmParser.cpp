// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/frmParser.h"

#include "workbench/DocSlots.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/ToolIcons.h"
#include "workbench/ui/frmDoc.h"

#include <tembusa/Error.h>
#include <tembusa/TlrEngine.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>
#include <exception>

namespace rumbela {

namespace {

const QString kCaption = QStringLiteral("Parser");

struct Option
{
    const char* caption;
    const char* heading;
    QRect place; // pixels (twips / 15)
};

constexpr Option kOptions[] = {
    {"Paragraf", "## Paragraf ##", QRect(9, 3, 76, 21)}, // 135,45 1140 x 315
    {"Kalimat", "## Kalimat ##", QRect(105, 3, 76, 21)}, // 1575,45
    {"Kata", "## Kata ##", QRect(196, 2, 76, 21)},       // 2940,30
};

// Design size 8775 x 3735 twips; the listing at 15,420.
constexpr QSize kWindowSize(585, 249);
constexpr QPoint kListingPlace(1, 28);

QString Listing(tembusa::TlrEngine& engine, int index, const QString& text)
{
    engine.Parser(text);
    switch (index) {
    case 0:
        return engine.ListParagraf(text);
    case 1:
        return engine.ListKalimat(text);
    default:
        return engine.ListKata(text);
    }
}

} // namespace

frmParser::frmParser(MDIForm1& frame, QWidget* parent)
    : QWidget(parent), m_Frame(frame), m_tgt(new TextPane(this))
{
    setObjectName(QStringLiteral("frmParser"));
    setWindowTitle(kCaption);
    setWindowIcon(TabImage(1));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);
    m_tgt->setObjectName(QStringLiteral("tgt"));
    m_tgt->move(kListingPlace);
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(kOptions[i].caption), this);
        option->setObjectName(QStringLiteral("optObj") + QString::number(i));
        option->setGeometry(kOptions[i].place);
        // Clicked, not toggled: choosing the selected option lists again.
        connect(option, &QRadioButton::clicked, this, [this, i] { ChooseOption(i); });
        m_optObj.append(option);
    }
    m_optObj[2]->setChecked(true);
}

frmParser::~frmParser() = default;

QRadioButton* frmParser::optObj(int index) const
{
    return m_optObj.value(index);
}

void frmParser::ChooseOption(int index)
{
    if (index < 0 || index >= m_optObj.size())
        return;
    Desktop& desktop = m_Frame.desktop();
    const qint16 slot = m_Frame.Docs().Slots().NewDocIndex();
    const frmDoc* doc = m_Frame.Docs().Document(slot);
    if (!doc) {
        desktop.ShowMessage(this, kCaption,
                            slot == 0 ? QStringLiteral("No document has been opened yet: open or "
                                                       "create one to see how it is parsed.")
                                      : QStringLiteral("The document opened last has been "
                                                       "closed: open it again to see how it is "
                                                       "parsed."));
        return;
    }
    const QString text = doc->Src()->Text();
    QString listing;
    try {
        if (!m_Engine)
            m_Engine = std::make_unique<tembusa::TlrEngine>();
        listing = Listing(*m_Engine, index, text);
    } catch (const tembusa::Error& error) {
        desktop.ShowMessage(this, kCaption, error.description());
        return;
    } catch (const std::exception& error) {
        desktop.ShowMessage(this, kCaption, QString::fromLocal8Bit(error.what()));
        return;
    }
    m_tgt->Text(QString::fromLatin1(kOptions[index].heading) + QStringLiteral("\r\n") + listing);
    // The document listed need not be the active one: say which it is.
    setWindowTitle(kCaption + QStringLiteral(" - ") + FileTitle(doc->Caption()));
}

void frmParser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_tgt->setGeometry(
        QRect(kListingPlace, event->size()).adjusted(0, 0, -2, -kListingPlace.y() - 1));
}

frmParser* ShowParser(MDIForm1& frame)
{
    for (QMdiSubWindow* window : frame.mdiArea()->subWindowList()) {
        if (auto* parser = qobject_cast<frmParser*>(window->widget())) {
            if (window->isMinimized())
                window->showNormal();
            frame.mdiArea()->setActiveSubWindow(window);
            return parser;
        }
    }
    auto* parser = new frmParser(frame);
    QMdiSubWindow* window = frame.mdiArea()->addSubWindow(parser);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(kWindowSize);
    window->show();
    // The area may place a new window past its right or bottom edge.
    const QRect area = frame.mdiArea()->viewport()->rect();
    if (!window->isMaximized() && !area.contains(window->geometry())) {
        window->move(std::max(0, std::min(window->x(), area.width() - window->width())),
                     std::max(0, std::min(window->y(), area.height() - window->height())));
    }
    return parser;
}

} // namespace rumbela
