// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The five controls a host lends to the engine. The engine holds non-owning
// pointers to them and calls exactly these members; a control that is not set
// only loses its display.

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

// The source pane: the text being translated.
class TEMBUSA_EXPORT SourcePane
{
public:
    virtual ~SourcePane();
    // 0-based index of the first selected character, in UTF-16 units.
    virtual void SelStart(qint32 value) = 0;
    // Number of selected characters; the selection is shown.
    virtual void SelLength(qint32 value) = 0;
    virtual void SetFocus() = 0;
};

// The target pane: where the host shows the result.
class TEMBUSA_EXPORT TargetPane
{
public:
    virtual ~TargetPane();
    // Loads the named text file into the pane.
    virtual void LoadFile(const QString& fileName) = 0;
};

// The progress bar of a translation run.
class TEMBUSA_EXPORT ProgressBar
{
public:
    virtual ~ProgressBar();
    virtual void Visible(bool value) = 0;
    virtual void Min(qint32 value) = 0;
    virtual void Max(qint32 value) = 0;
    // The bar's position, between Min and Max.
    virtual void Value(qint32 value) = 0;
};

// The one-line status text.
class TEMBUSA_EXPORT StatusText
{
public:
    virtual ~StatusText();
    virtual void Visible(bool value) = 0;
    // Replaces the shown text.
    virtual void Text(const QString& value) = 0;
};

// The list collecting unknown words.
class TEMBUSA_EXPORT UnknownList
{
public:
    virtual ~UnknownList();
    virtual qint32 ListCount() const = 0;
    // The entry at a 0-based index; empty text outside the list.
    virtual QString List(qint32 index) const = 0;
    virtual void AddItem(const QString& item) = 0;

    // Whether an entry equals word when both are put in upper case (ASCII
    // letters only). The default asks List for every entry; a list that
    // keeps a set of its entries beside it answers at once.
    virtual bool IsListed(const QString& word) const;
};

// Where a translation goes while it is made, for a host that writes it out
// as it grows instead of waiting for the whole text (TlrEngine::TranslateTo).
class TEMBUSA_EXPORT TargetStream
{
public:
    virtual ~TargetStream();
    // The next piece of the translation; the pieces joined are exactly the
    // text Translate returns.
    virtual void Append(const QString& text) = 0;
};

} // namespace tembusa
