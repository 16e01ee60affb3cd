// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

#include <memory>

namespace tembusa {

// Reads the language section of the keyword file "WordFile.txt" of the
// application folder: the language line after "/L3", the "/Delimiters = "
// and "/Function String = " lines, the tag lines after "/C1" up to "/C2" and
// the attribute lines after that up to "/L4". Lines of a group are joined
// with nothing between them. Markers are compared exactly, letter case
// included.
class TEMBUSA_EXPORT WordFile
{
public:
    WordFile();
    ~WordFile();
    WordFile(const WordFile&) = delete;
    WordFile& operator=(const WordFile&) = delete;

    // slot 1: reads the file from the top, overwriting the values it meets;
    // values it does not meet keep what they held. Throws tembusa::Error: 53
    // when the file is missing or cannot be opened (nothing changes); 9 when
    // the language line has fewer than four words; 5 when its keys are
    // missing or out of order. Values set before a failure keep them.
    void Load();

    // slot 2: the tag group; empty before Load.
    QString Tags() const;
    // slot 3: the attribute group.
    QString Attributes() const;
    // slot 4: the text after "/Delimiters = ".
    QString Delimiters() const;
    // slot 5: the text after "/Function String = ".
    QString FunctionString() const;
    // slot 6: the language line's value after "File Extensions = ".
    QString FileExtensions() const;

private:
    struct LanguageDef;
    std::unique_ptr<LanguageDef> d;
};

} // namespace tembusa
