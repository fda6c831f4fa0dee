#include "common/stream_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(StreamMessenger, EveryMessageIsOneLineAndQuestionsNeedConsent)
{
    TempFolder dir;
    FILE* stream = std::fopen(dir.path(u"err"_s).toLocal8Bit().constData(), "w");
    StreamMessenger no(stream);
    StreamMessenger yes(stream, true);
    no.show(u"Zugriffsfehler\n\nDatei x konnte nicht gelesen werden  "_s);
    EXPECT_EQ(no.ask(u"Änderungen speichern ?"_s), kAnswerNo);
    EXPECT_EQ(yes.ask(u"Überschreiben?"_s), kAnswerYes);
    std::fclose(stream);
    EXPECT_EQ(QString::fromUtf8(dir.read(u"err"_s)),
        u"Zugriffsfehler Datei x konnte nicht gelesen werden\nÄnderungen speichern ? Nein\nÜberschreiben? Ja\n"_s);
}
