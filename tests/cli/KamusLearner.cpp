// SPDX-License-Identifier: GPL-3.0-or-later
// kamus_learner DB COUNT: teaches the dictionary DB the words learn0 ...
// learnCOUNT-1 (meanings baru0 ...) through the dictionary's own learning, as
// the unknown-word dialog does, and prints how many warnings it was given.
// Exit 1 when a read of the dictionary failed.
#include <tembusa/KamusData.h>

#include "dictionary/Connect.h"
#include "platform/ScriptedUi.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    tembusa::SetDictionaryPath(args.at(1));
    const int count = args.at(2).toInt();
    tembusa::ScriptedUi ui;
    tembusa::ScriptedUi::Scope scope(ui);
    for (int i = 0; i < count; ++i)
        ui.unknownAnswers << QStringLiteral("+\tlearn%1\tbaru%1").arg(i);
    tembusa::KamusData kamus;
    kamus.OpenAll();
    if (!kamus.Connected())
        return 1;
    kamus.LearnOff(false);
    for (int i = 0; i < count; ++i)
        kamus.Arti(QStringLiteral("learn%1").arg(i));
    for (const QString& message : std::as_const(ui.messages))
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    std::printf("%d warnings\n", int(ui.messages.size()));
    return kamus.Failure().isEmpty() && ui.errorBoxes.isEmpty() ? 0 : 1;
}
