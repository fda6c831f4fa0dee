#pragma once

#include <QString>
#include <QStringList>

// The deepest folder that holds every file of the list, without a trailing
// separator; empty when only the root is common.
QString CommonFolder(const QStringList& files);

// The file's path relative to the common folder, with "/" between folders as
// the ZIP format has it.
QString EntryName(const QString& file, const QString& commonFolder);
