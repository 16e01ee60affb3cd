// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recording stand-ins for the five host controls.

#include <tembusa/host.h>

#include <QStringList>

namespace tembusa::test {

class FakeSourcePane : public SourcePane
{
public:
    void SelStart(qint32 value) override { selStart = value; }
    void SelLength(qint32 value) override { selLength = value; }
    void SetFocus() override { ++focused; }
    qint32 selStart = -1;
    qint32 selLength = -1;
    int focused = 0;
};

class FakeTargetPane : public TargetPane
{
public:
    void LoadFile(const QString& fileName) override { loaded << fileName; }
    QStringList loaded;
};

class FakeProgressBar : public ProgressBar
{
public:
    void Visible(bool value) override { visible = value; }
    void Min(qint32 value) override { min = value; }
    void Max(qint32 value) override { max = value; }
    void Value(qint32 value) override { values << value; }
    bool visible = false;
    qint32 min = -1;
    qint32 max = -1;
    QList<qint32> values;
};

class FakeStatusText : public StatusText
{
public:
    void Visible(bool value) override { visible = value; }
    void Text(const QString& value) override { texts << value; }
    bool visible = false;
    QStringList texts;
};

class FakeUnknownList : public UnknownList
{
public:
    qint32 ListCount() const override { return qint32(items.size()); }
    QString List(qint32 index) const override { return items.value(index); }
    void AddItem(const QString& item) override { items << item; }
    QStringList items;
};

} // namespace tembusa::test
