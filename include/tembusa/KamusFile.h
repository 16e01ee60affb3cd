// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>
#include <QVariant>

namespace tembusa {

// The three tab-separated text dictionaries of the application folder:
// "Kamus-indo.txt" (English word, TAB, meaning), "Kamus-indo-tolak.txt"
// (words never to be translated) and "Kamus-indo-idiom.txt" (idiom, TAB,
// meaning). They are loaded into collections that all KamusFile objects and
// the dictionary window share for as long as the library is loaded.
//
// Files are read as UTF-8 (else Windows-1252) and written as UTF-8 with
// CR LF after each line.
class TEMBUSA_EXPORT KamusFile
{
public:
    KamusFile();

    // slot 1: creates the files that are missing, then loads all three; each
    // replaces the content of its collection. Failures are shown in an error
    // box: a file that cannot be read stops the loading of it and of the
    // files after it; a line that cannot be read is reported with its
    // number and text, and the pairs read before it are kept.
    void BukaFileKamus();

    // slot 2: writes the three collections back to their files. Each is
    // written to its temporary file ("Kamus-indo.$$$" and so on, left in the
    // folder) and then put in place atomically, so a failure leaves either
    // the old or the new file. The first failure throws tembusa::Error (75)
    // naming the file; files already written stay written.
    void SaveAll();

    // slot 3: shows the dictionary window over the main text dictionary and
    // returns at once; an open window comes to the front.
    void TampilKamus();

    // slot 4: writes the 200-byte TEN01 header block at the start of the file
    // named sFile in the application folder, creating it when missing; the
    // rest of a longer file stays as it is. Throws tembusa::Error (75) when
    // the file cannot be opened or written.
    void SaveAsTEN(QVariant& sFile);

private:
    qint16 m_FileNo = 0; // 1 to 3 while that file is being read, else 0
};

} // namespace tembusa
