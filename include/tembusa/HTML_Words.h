// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>
#include <QVariant>

#include <memory>

namespace tembusa {

// Tells HTML mark-up apart from text: holds the tag and attribute lists of
// the keyword file and tests a token against them.
class TEMBUSA_EXPORT HTML_Words
{
public:
    HTML_Words();
    ~HTML_Words();
    HTML_Words(const HTML_Words&) = delete;
    HTML_Words& operator=(const HTML_Words&) = delete;

    // slot 1: reads the keyword file afresh (WordFile::Load) and takes over
    // its delimiters, function string, tags and attributes; Language becomes
    // "HTML". A failure throws WordFile's tembusa::Error and leaves every
    // field as it was.
    void Load();

    // slot 2: true when sKey starts at different positions in Tags and in
    // Attributes (a position being 0 where it does not occur): so a key found
    // in exactly one list is mark-up. A plain, case-sensitive substring
    // search; the empty key is found at position 1 of any non-empty text.
    bool ReservedWord(const QString& sKey) const;

    // slot 3: the language of the lists held.
    QString Language() const;
    void Language(const QString& value);

    // slot 4: the keyword file's delimiters.
    QString Delimiters() const;
    void Delimiters(const QString& value);

    // slot 5: the keyword file's function string.
    QString FunctionString() const;
    void FunctionString(const QString& value);

    // slot 6: the tag lines, joined without separators.
    QString Tags() const;
    void Tags(const QString& value);

    // slot 7: the attribute lines, joined without separators.
    QString Attributes() const;
    void Attributes(const QString& value);

    // slot 8: keeps nothing: reading gives an empty variant, writing drops
    // the value.
    QVariant C3() const;
    void C3(const QVariant& value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tembusa
