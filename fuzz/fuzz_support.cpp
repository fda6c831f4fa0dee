#include "fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {

Wait NoWait()
{
    return [](int) {};
}

QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

const QString& ScratchFolder()
{
    static const QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size() && file.flush();
    Require(written, "the scratch file can be written");
    return path;
}

void Require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

} // namespace Fuzz
