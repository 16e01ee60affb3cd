// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace tembusa::test {

// A number as dictd's index writes it: base 64, most significant digit first.
QByteArray DictdNumber(qint64 value);

// A dictzip file of one chunk (text under 64 KiB): a gzip member whose header
// carries the "RA" chunk table in its extra field.
QByteArray Dictzip(const QByteArray& text);

} // namespace tembusa::test
