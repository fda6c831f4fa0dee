#include "tests/korav_cli/cli_fixture.h"

using namespace Qt::StringLiterals;

namespace {

// A backup in terminbkp1, then the employee list and a collected month
// changed.
class RestoreCommand : public CliFixture {
protected:
    RestoreCommand()
    {
        EXPECT_EQ(run({ u"collect"_s }), 0);
        EXPECT_EQ(run({ u"backup"_s, u"--now"_s }), 0);
        writeData(u"zama.kvd"_s, { u"Erika"_s, u"Max"_s, u"Neu"_s });
        root.write(u"daten/auswtg/202303/az2023034711.kvd"_s, "changed month");
        changedList = root.read(u"daten/zama.kvd"_s);
        messenger.all.clear();
    }

    QString savedIn(int index) const
    {
        return u"Der Stand vor der Wiederherstellung liegt in "_s + dataPath(u"terminbkp%1/"_s.arg(index));
    }

    QByteArray changedList;
};

TEST_F(RestoreCommand, BringsBackTheWholeFolderAndTellsWhereTheStateBeforeIs)
{
    EXPECT_EQ(run({ u"restore"_s, u"--from"_s, u"terminbkp1"_s }), 0);
    ASSERT_EQ(messenger.all.size(), 2) << messenger.all.join(u'|').toStdString();
    EXPECT_TRUE(messenger.all.at(0).endsWith(u" Dateien aus terminbkp1 wiederhergestellt"_s));
    EXPECT_EQ(messenger.all.at(1), savedIn(2));
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), root.read(u"daten/terminbkp1/zama.kvd"_s));
    EXPECT_EQ(root.read(u"daten/auswtg/202303/az2023034711.kvd"_s), MarchOfErika());
    EXPECT_EQ(root.read(u"daten/terminbkp2/zama.kvd"_s), changedList);
    EXPECT_EQ(root.read(u"daten/terminbkp2/auswtg/202303/az2023034711.kvd"_s), "changed month");
}

TEST_F(RestoreCommand, BringsBackOnlyTheNamedFiles)
{
    EXPECT_EQ(run({ u"restore"_s, u"--from=terminbkp1"_s, u"auswtg/202303/az2023034711.kvd"_s }), 0);
    EXPECT_EQ(messenger.all, (QStringList { u"1 Dateien aus terminbkp1 wiederhergestellt"_s, savedIn(2) }));
    EXPECT_EQ(root.read(u"daten/auswtg/202303/az2023034711.kvd"_s), MarchOfErika());
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), changedList);
}

struct Refused {
    const char* name;
    QStringList words;
    const char* message;
};

class RestoreRefused : public RestoreCommand, public ::testing::WithParamInterface<Refused> { };

TEST_P(RestoreRefused, BeforeAnythingChanges)
{
    EXPECT_EQ(run(QStringList { u"restore"_s } + GetParam().words), 1);
    EXPECT_EQ(messenger.all, QStringList { QString::fromUtf8(GetParam().message) });
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), changedList);
    EXPECT_FALSE(dataExists(u"terminbkp2"_s));
}

INSTANTIATE_TEST_SUITE_P(Words, RestoreRefused,
    ::testing::Values(
        Refused { "FileNotInTheFolder", { u"--from"_s, u"terminbkp1"_s, u"zama.kvd"_s, u"fehlt.kvd"_s },
            "Datei fehlt.kvd ist im Sicherungsordner terminbkp1 nicht vorhanden !" },
        Refused { "FolderOutsideTheRing", { u"--from"_s, u"../daten"_s },
            "../daten ist kein Sicherungsordner ( terminbkp1 bis terminbkp8 )" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
