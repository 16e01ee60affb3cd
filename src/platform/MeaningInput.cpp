// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MeaningInput.h"

#include <tembusa/ui.h>

namespace tembusa {

QString AskNewMeaning(Ui& ui, const QString& word)
{
    const QString meaning =
        ui.InputBox(QStringLiteral("Arti dari kata ") + word + QStringLiteral(" adalah "),
                    QStringLiteral("Artinya ?"), QString());
    if (meaning.isEmpty()) {
        ui.MessageBox(QStringLiteral("Artinya tidak diisi."), QString());
        return QString();
    }
    return QStringLiteral("+\t") + word + QLatin1Char('\t') + meaning;
}

} // namespace tembusa
