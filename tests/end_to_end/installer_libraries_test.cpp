#include "tests/support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// An unpacked update package, an employee's home folder and an ldd on the
// PATH that reports what the case gives it.
class InstallerLibraries : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.write(u"paket/pelin"_s, "program");
        root.write(u"paket/pelin.cfg"_s, "configuration");
        ASSERT_TRUE(QFile::copy(QStringLiteral(PELIN_INSTALLER_SOURCE), root.path(u"paket/install-pelin"_s)));
        root.write(u"home/Documents/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
    }

    // Runs the installer with an ldd that prints the given report.
    int Install(const QByteArray& lddReport)
    {
        root.write(u"bin/ldd.txt"_s, lddReport);
        root.write(u"bin/ldd"_s, "#!/bin/sh\ncat \"$(dirname \"$0\")/ldd.txt\"\n");
        QFile::setPermissions(
            root.path(u"bin/ldd"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, root.path(u"home"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, root.path(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, root.path(u"share"_s));
        environment.insert(u"PATH"_s, root.path(u"bin"_s) + u':' + environment.value(u"PATH"_s));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(root.path(u"paket/install-pelin"_s), {});
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    TempFolder root;
    QString errors;
};

TEST_F(InstallerLibraries, NamesTheDebianPackagesOfMissingLibrariesAndChangesNothing)
{
    ASSERT_EQ(Install("\tlinux-vdso.so.1 (0x00007ffd)\n"
                      "\tlibQt6Widgets.so.6 => not found\n"
                      "\tlibcurl.so.4 => /lib/x86_64-linux-gnu/libcurl.so.4 (0x00007f01)\n"
                      "\tlibldap-2.5.so.0 => not found\n"
                      "\tliblber-2.5.so.0 => not found\n"
                      "\tlibminizip.so.1 => not found\n"
                      "\tlibunbekannt.so.3 => not found\n"),
        1);
    EXPECT_TRUE(
        errors.contains(u"apt-get install libqt6widgets6 libldap-2.5-0 libminizip1 libunbekannt.so.3\n"_s))
        << errors.toStdString();
    EXPECT_FALSE(errors.contains(u"libcurl4"_s));
    EXPECT_FALSE(QFile::exists(root.path(u"home/.local/lib/pelin"_s)));
    EXPECT_FALSE(QFile::exists(root.path(u"share/applications/pelin.desktop"_s)));
    EXPECT_EQ(root.read(u"home/Documents/pelin/pelinlok.cfg"_s), "update_nummer=01.03.2023 08:00:00\r\n");
}

TEST_F(InstallerLibraries, InstallsWhenEveryLibraryIsFound)
{
    ASSERT_EQ(Install("\tlibQt6Widgets.so.6 => /lib/x86_64-linux-gnu/libQt6Widgets.so.6 (0x00007f01)\n"
                      "\tlibz.so.1 => /lib/x86_64-linux-gnu/libz.so.1 (0x00007f02)\n"),
        0)
        << errors.toStdString();
    EXPECT_EQ(root.read(u"home/.local/lib/pelin/pelin"_s), "program");
}

} // namespace
