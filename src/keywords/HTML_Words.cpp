// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/HTML_Words.h>

#include <tembusa/WordFile.h>

namespace tembusa {

struct HTML_Words::Impl
{
    QString Language;
    QString Delimiters;
    QString FunctionString;
    QString Tags;
    QString Attributes;
};

namespace {

// 1-based position of the first occurrence of key in text, 0 when absent;
// the empty key is found at 1 in any text but the empty one.
qsizetype Position(const QString& text, const QString& key)
{
    if (key.isEmpty())
        return text.isEmpty() ? 0 : 1;
    return text.indexOf(key) + 1;
}

} // namespace

HTML_Words::HTML_Words() : d(std::make_unique<Impl>()) {}

HTML_Words::~HTML_Words() = default;

void HTML_Words::Load()
{
    WordFile file;
    // A failing load throws before anything here changes.
    file.Load();
    d->Language = QStringLiteral("HTML");
    d->Delimiters = file.Delimiters();
    d->FunctionString = file.FunctionString();
    d->Tags = file.Tags();
    d->Attributes = file.Attributes();
}

bool HTML_Words::ReservedWord(const QString& sKey) const
{
    return Position(d->Tags, sKey) != Position(d->Attributes, sKey);
}

QString HTML_Words::Language() const
{
    return d->Language;
}

void HTML_Words::Language(const QString& value)
{
    d->Language = value;
}

QString HTML_Words::Delimiters() const
{
    return d->Delimiters;
}

void HTML_Words::Delimiters(const QString& value)
{
    d->Delimiters = value;
}

QString HTML_Words::FunctionString() const
{
    return d->FunctionString;
}

void HTML_Words::FunctionString(const QString& value)
{
    d->FunctionString = value;
}

QString HTML_Words::Tags() const
{
    return d->Tags;
}

void HTML_Words::Tags(const QString& value)
{
    d->Tags = value;
}

QString HTML_Words::Attributes() const
{
    return d->Attributes;
}

void HTML_Words::Attributes(const QString& value)
{
    d->Attributes = value;
}

QVariant HTML_Words::C3() const
{
    return QVariant();
}

void HTML_Words::C3(const QVariant& value)
{
    static_cast<void>(value);
}

} // namespace tembusa
