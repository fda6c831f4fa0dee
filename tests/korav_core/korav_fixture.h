#pragma once

#include "korav/core/base_data_store.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QByteArray>

// A data folder in a temporary directory, its store and a scripted messenger.
struct KoravFixture {
    explicit KoravFixture(const QString& subFolder = QStringLiteral("daten"))
    {
        tmp.write(subFolder + QStringLiteral("/.keep"), {});
        store.setFolder(DataFolder(tmp.path(subFolder)));
    }

    QString path(const QString& name) const { return store.folder().path(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        tmp.write(store.folder().path(name).mid(tmp.path().size() + 1), bytes);
    }
    QByteArray read(const QString& name) const
    {
        return tmp.read(store.folder().path(name).mid(tmp.path().size() + 1));
    }

    TempFolder tmp;
    ScriptedMessenger messenger;
    BaseDataStore store { messenger };
};
