#include "common/file_store.h"

#include "common/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool StreamInto(QFile& source, QFile& target)
{
    constexpr qint64 kChunk = 1 << 16;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(buffer.data(), kChunk);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (target.write(buffer.constData(), got) != got)
            return false;
    }
}

bool ReplaceFile(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::rename(
        std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()), code);
    if (code)
        SetError(error, QString::fromStdString(code.message()));
    return !code;
}

bool HasUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith(kUtf8Bom);
}

} // namespace

namespace FileStore {

std::optional<QByteArray> ReadBytes(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        SetError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

std::optional<TextFile> ReadText(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = ReadBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return DecodeText(*bytes);
}

std::optional<TextFile> ReadText(const QString& path, QDateTime& modified, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    modified = file.fileTime(QFileDevice::FileModificationTime);
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    return DecodeText(bytes);
}

TextFile DecodeText(const QByteArray& bytes)
{
    if (HasUtf8Bom(bytes))
        return TextFile { QString::fromUtf8(QByteArrayView(bytes).sliced(3)), TextEncoding::Utf8WithBom };
    return TextFile { DecodeWindows1252(bytes), TextEncoding::Windows1252 };
}

std::optional<QString> ReadUtf8(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = ReadBytes(path, error);
    if (!bytes)
        return std::nullopt;
    QByteArrayView view(*bytes);
    if (HasUtf8Bom(*bytes))
        view = view.sliced(3);
    return QString::fromUtf8(view);
}

QByteArray EncodeText(const QString& text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return EncodeWindows1252(text);
    return QByteArray(kUtf8Bom) + text.toUtf8();
}

bool WriteText(
    const QString& path, const QString& text, TextEncoding encoding, QString* error, TextEncoding* used)
{
    if (encoding == TextEncoding::Windows1252 && !CanEncodeWindows1252(text))
        encoding = TextEncoding::Utf8WithBom;
    if (used)
        *used = encoding;
    return WriteBytes(path, EncodeText(text, encoding), error);
}

bool CopyFile(const QString& from, const QString& to, QString* error)
{
    const std::optional<QByteArray> bytes = ReadBytes(from, error);
    if (!bytes)
        return false;
    if (!WriteBytes(to, *bytes, error))
        return false;
    QFile target(to);
    if (target.open(QIODevice::ReadWrite)) {
        target.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    }
    return true;
}

bool CopyFileStreamed(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        SetError(error, source.errorString());
        return false;
    }
    QTemporaryFile temporary(QFileInfo(to).absolutePath() + u"/.~copy-XXXXXX"_s);
    if (!temporary.open() || !StreamInto(source, temporary) || !temporary.flush()) {
        SetError(
            error, source.error() != QFileDevice::NoError ? source.errorString() : temporary.errorString());
        return false;
    }
    temporary.setPermissions(source.permissions());
    temporary.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    temporary.close();
    if (!ReplaceFile(temporary.fileName(), to, error))
        return false;
    temporary.setAutoRemove(false);
    return true;
}

bool Exists(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace FileStore
