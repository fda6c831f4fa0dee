#pragma once

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"
#include "tests/end_to_end/firm_files.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

// A firm in LAN mode whose base data KORAV built and provided: one employee
// (log-in "sommer", personnel number 4711), the exchange folders and the
// employee's documents folder; the clock stands on 15 March 2023, 17:30.
class ProvidedFirm {
public:
    static inline const QDate kToday { 2023, 3, 15 };
    static inline const QDateTime kNow { kToday, QTime(17, 30) };

    // Writes the firm and builds and provides its base data.
    void provide()
    {
        for (const auto* folder : { u"daten", u"prog", u"zeit", u"docs/pelin", u"desktop" })
            QDir(root.path()).mkpath(QString::fromUtf16(folder));
        store.setFolder(DataFolder(root.path(QStringLiteral("daten"))));
        write(u"daten/zama.kvd", { QStringLiteral("Erika") });
        write(u"daten/zamasta.kvd", { QStringLiteral("Erika=Erika Sommer#4711#sommer#100#") });
        write(u"daten/zmszsatz.kvd", { TargetLine() });
        write(u"daten/zprojekte.kvd", { QStringLiteral("P100=Messe") });
        write(u"daten/zsonstige.kvd", { QStringLiteral("Pause=Pause") });
        root.write(QStringLiteral("daten/") + KoravFile::PelinProgram(), "#!/bin/sh\n");
        write(u"daten/zconfig.kvd",
            { QStringLiteral("progordner=") + root.path(QStringLiteral("prog")),
                QStringLiteral("zeitordner=") + root.path(QStringLiteral("zeit")),
                QStringLiteral("update_nummer=01.03.2023 08:00:00") });
        root.write(QStringLiteral("docs/pelin/pelinlok.cfg"), "update_nummer=01.03.2023 08:00:00\r\n");
        connection.load();
        stale.check(store.folder(), connection.fields().programFolder);
        ASSERT_TRUE(build());
        ASSERT_TRUE(PelinProvision(store, connection).provideBaseData(stale, kNow).statusText);
    }

    bool build() { return PelinBaseBuild { store, koravCodec, clock, kToday, connection }.run(stale); }

    std::unique_ptr<LoginSession> startPelin()
    {
        StringList cfg;
        pelinCodec.LoadDataFile(root.path(QStringLiteral("prog/pelin.cfg")), cfg);
        return std::make_unique<LoginSession>(
            LoginSettingsFrom(ParsePelinConfig(cfg), root.path(QStringLiteral("prog")), false),
            UserFolders { root.path(QStringLiteral("docs")), root.path(QStringLiteral("desktop")) },
            pelinMessenger, kToday, pelinCodec, [](int) {});
    }

    TempFolder root;
    ScriptedMessenger koravMessenger;
    ScriptedMessenger pelinMessenger;
    BaseDataStore store { koravMessenger };
    FixedClock clock { kNow };
    DataFileCodec koravCodec { CodecProgram::Korav, koravMessenger };
    DataFileCodec pelinCodec { CodecProgram::Pelin, pelinMessenger };
    ConnectionSettings connection { store };
    BaseDataStaleness stale;

private:
    void write(const char16_t* name, const QStringList& lines) const
    {
        root.write(QString::fromUtf16(name), Lines(lines));
    }
};
