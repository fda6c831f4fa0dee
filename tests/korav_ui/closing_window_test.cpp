#include "korav/core/admin_passwords.h"
#include "tests/korav_ui/korav_window_fixture.h"
#include "tests/support/byte_order_mark.h"

#include <QComboBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QString Zamino(const QString& system, const QString& data)
{
    QString s = system;
    QString d = data;
    InvertPassword(s);
    InvertPassword(d);
    return u"orvan="_s + s + u"\r\npumol="_s + d + u"\r\n"_s;
}

// The window was started on 1 March 2024.
struct ClosingWindow : KoravWindow {
    ClosingWindow()
    {
        makeDataFolder();
        tmp.write(u"daten/zamino.kvd"_s, kBom + Zamino(u"sys"_s, u"dat"_s).toUtf8());
        start();
    }

    // Chooses the month in the dialog and presses "Abschließen".
    void closeUpTo(const QString& month, const QString& year)
    {
        onModal = [&](QDialog& dialog) {
            label = dialog.findChild<QLabel*>(u"AbschlussLabel"_s)->text();
            dialog.findChild<QComboBox*>(u"MonatCBox"_s)->setCurrentText(month);
            dialog.findChild<QComboBox*>(u"JahrCBox"_s)->setCurrentText(year);
            dialog.findChild<QPushButton*>(u"SaveBtn"_s)->click();
        };
        button(u"MonatAbschlussBtn"_s)->click();
    }

    QString label;
};

} // namespace

TEST_F(ClosingWindow, DataAdministratorClosesButOnlyTheSystemAdministratorReopens)
{
    logIn(u"dat"_s);
    closeUpTo(u"1"_s, u"2024"_s);
    EXPECT_EQ(modals, QStringList { u"AbschlussForm"_s });
    EXPECT_EQ(label, u" Es sind keine Monate abgeschlossen"_s);
    EXPECT_TRUE(KoravWindow::label(u"ErrLabel")->text().endsWith(u" - Monate bis 01/2024 abgeschlossen"_s));
    EXPECT_EQ(tmp.read(u"daten/dabschluss.kvd"_s), kBom + "abschluss=202401\r\n");

    messenger.messages.clear();
    closeUpTo(u"12"_s, u"2023"_s);
    EXPECT_EQ(label, u" Abgeschlossen sind die Monate bis 01/2024"_s);
    EXPECT_EQ(messenger.messages,
        QStringList { u"Abgeschlossene Monate kann nur der System-Administrator wieder öffnen !  "_s });
    EXPECT_EQ(tmp.read(u"daten/zabschluss.kvd"_s), kBom + "abschluss=202401\r\n");

    form->AnmeldenBtnClick();
    logIn(u"sys"_s);
    messenger.answerNext(kAnswerYes);
    closeUpTo(u"12"_s, u"2023"_s);
    EXPECT_EQ(tmp.read(u"daten/zabschluss.kvd"_s), kBom + "abschluss=202312\r\n");
    EXPECT_TRUE(QString::fromUtf8(tmp.read(u"daten/abschluss.log"_s))
                    .endsWith(u"System-Administrator - Abschluss 01/2024 -> 12/2023\r\n"_s));
}
