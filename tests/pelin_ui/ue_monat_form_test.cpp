#include "pelin/forms/ue_monat_form.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(UeMonatForm, SavesHeadAndBodyAsUtf8WithCrLf)
{
    TempFolder dir;
    ScriptedMessenger messenger;
    TUeMonatForm form(messenger);
    MonthOverview overview;
    overview.head = { u""_s, u" Monat  3/2021   Jürgen"_s };
    overview.body = { u" Mo,  1.  ---"_s, QString(3, QChar(0x2584)) };
    QString proposed;
    form.setAskSavePath([&](const QString& path) {
        proposed = path;
        return dir.path(u"out.txt"_s);
    });
    form.prepare(overview, dir.path(u"pelin_4711_03_2021__20032021_09h05.txt"_s));
    EXPECT_EQ(form.findChild<QPlainTextEdit*>(u"UeMonatREdit"_s)->textCursor().position(), 0);
    form.SaveUeBtnClick();
    EXPECT_EQ(proposed, dir.path(u"pelin_4711_03_2021__20032021_09h05.txt"_s));
    EXPECT_EQ(dir.read(u"out.txt"_s),
        QByteArray("\xEF\xBB\xBF\r\n Monat  3/2021   J\xC3\xBCrgen\r\n Mo,  1.  "
                   "---\r\n\xE2\x96\x84\xE2\x96\x84\xE2\x96\x84\r\n"));
    EXPECT_EQ(messenger.messages,
        QStringList { u"Übersicht ist in Datei\n\n"_s + dir.path(u"out.txt"_s) + u"\n\ngespeichert."_s });

    form.setAskSavePath([](const QString&) { return QString(); });
    form.SaveUeBtnClick();
    EXPECT_EQ(messenger.messages.size(), 1) << "cancelled: nothing written, nothing said";
}
