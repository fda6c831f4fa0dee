#include "common/file_store.h"

#include "common/file_store_failure.h"
#include "common/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qint64 kChunk = 1 << 16;

const FileStore::FailureInjection* activeInjection = nullptr;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString SystemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool ReplaceFile(const QString& from, const QString& to, QString& error)
{
    std::error_code code;
    std::filesystem::rename(
        std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()), code);
    if (code)
        error = QString::fromStdString(code.message());
    return !code;
}

std::optional<QFileDevice::Permissions> PermissionsToKeep(const QString& path)
{
    const QFileInfo existing(path);
    if (!existing.isFile())
        return std::nullopt;
    return existing.permissions();
}

bool HasUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith(kUtf8Bom);
}

// Opens without blocking, so that a FIFO in place of a file is refused
// instead of waiting for a writer that never comes.
bool OpenRegularFile(const QString& path, QFile& file, QString* error)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        SetError(error, SystemError(errno));
        return false;
    }
    struct stat status { };
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        SetError(error,
            u"Die Datei %1 ist keine gewöhnliche Datei und wird nicht gelesen!"_s.arg(
                QDir::toNativeSeparators(path)));
        return false;
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadOpenFile(QFile& file, const QString& path, qint64 most, QString* error)
{
    if (most >= 0 && file.size() > most) {
        SetError(error, FileStore::TooLargeText(path));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> ReadFile(const QString& path, qint64 most, QString* error)
{
    QFile file;
    if (!OpenRegularFile(path, file, error))
        return std::nullopt;
    return ReadOpenFile(file, path, most, error);
}

bool Stream(QFile& source, FileStore::AtomicFile& target, QString& error)
{
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(buffer.data(), kChunk);
        if (got < 0) {
            error = source.errorString();
            return false;
        }
        if (got == 0)
            return true;
        if (!target.write(buffer.constData(), got)) {
            error = target.errorString();
            return false;
        }
    }
}

bool Copy(const QString& from, const QString& to, bool syncToDisk, bool sourcePermissions, QString* error)
{
    QFile source;
    if (!OpenRegularFile(from, source, error))
        return false;
    // Taken before the first byte is read: a source changed during the copy
    // then looks newer than its copy, never the other way round.
    const QDateTime modified = source.fileTime(QFileDevice::FileModificationTime);
    FileStore::AtomicFile target(to);
    QString failure;
    const auto permissions = sourcePermissions ? std::optional(source.permissions()) : std::nullopt;
    if (!target.open() || !Stream(source, target, failure)
        || !target.commit(syncToDisk, modified, permissions)) {
        SetError(error, failure.isEmpty() ? target.errorString() : failure);
        return false;
    }
    return true;
}

} // namespace

namespace FileStore {

AtomicFile::AtomicFile(const QString& target) : target_(target), injection_(ActiveFailureInjection())
{
    // A link stays a link: its target is what gets replaced.
    const QFileInfo info(target);
    if (info.isSymLink())
        target_ = info.symLinkTarget();
    if (injection_ && !injection_->applies(target))
        injection_ = nullptr;
}

AtomicFile::~AtomicFile()
{
    if (file_.isOpen())
        file_.close();
    if (!placed_ && !file_.fileName().isEmpty())
        QFile::remove(file_.fileName());
}

bool AtomicFile::open()
{
    const QFileInfo target(target_);
    for (int attempt = 0; attempt < 10; ++attempt) {
        file_.setFileName(target.absolutePath() + u"/.~"_s + target.fileName() + u'-'
            + QString::number(QRandomGenerator::global()->generate(), 36));
        if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!QFile::exists(file_.fileName()))
            break;
    }
    error_ = file_.errorString();
    file_.setFileName(QString());
    return false;
}

bool AtomicFile::write(const char* data, qint64 size)
{
    qint64 allowed = size;
    if (injection_ && injection_->point() == FailureInjection::Point::AfterBytes)
        allowed = std::clamp(injection_->bytes() - written_, qint64(0), size);
    if (allowed > 0 && file_.write(data, allowed) != allowed) {
        error_ = file_.errorString();
        return false;
    }
    written_ += allowed;
    if (allowed < size)
        return injected(ENOSPC);
    return true;
}

bool AtomicFile::commit(
    bool syncToDisk, const QDateTime& modified, std::optional<QFileDevice::Permissions> permissions)
{
    if (injection_ && injection_->point() == FailureInjection::Point::AtFlush)
        return injected(EIO);
    if (syncToDisk && ::fsync(file_.handle()) != 0) {
        error_ = SystemError(errno);
        return false;
    }
    if (modified.isValid() && !file_.setFileTime(modified, QFileDevice::FileModificationTime)) {
        error_ = file_.errorString();
        return false;
    }
    // Shared folders on file systems without Unix modes refuse this; the
    // data are whole all the same.
    if (const auto mode = permissions ? permissions : PermissionsToKeep(target_))
        file_.setPermissions(*mode);
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        error_ = file_.errorString();
        return false;
    }
    if (injection_ && injection_->point() == FailureInjection::Point::AtRename)
        return injected(EACCES);
    if (!ReplaceFile(file_.fileName(), target_, error_))
        return false;
    placed_ = true;
    return true;
}

bool AtomicFile::injected(int code)
{
    injection_->countFailure();
    error_ = SystemError(code);
    return false;
}

FailureInjection::FailureInjection(Point point, qint64 bytes, QString pathPart)
    : point_(point), bytes_(bytes), pathPart_(std::move(pathPart)), outer_(activeInjection)
{
    activeInjection = this;
}

FailureInjection::~FailureInjection()
{
    activeInjection = outer_;
}

const FailureInjection* ActiveFailureInjection()
{
    return activeInjection;
}

QString TooLargeText(const QString& path)
{
    return u"Die Datei %1 ist zu groß und wird nicht gelesen!"_s.arg(QDir::toNativeSeparators(path));
}

bool IsTooLargeForText(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > kMostTextBytes;
}

std::optional<QByteArray> ReadBytes(const QString& path, QString* error)
{
    return ReadFile(path, -1, error);
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    AtomicFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit()) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
}

std::optional<TextFile> ReadText(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = ReadFile(path, kMostTextBytes, error);
    if (!bytes)
        return std::nullopt;
    return DecodeText(*bytes);
}

std::optional<TextFile> ReadText(const QString& path, QDateTime& modified, QString* error)
{
    QFile file;
    if (!OpenRegularFile(path, file, error))
        return std::nullopt;
    modified = file.fileTime(QFileDevice::FileModificationTime);
    const std::optional<QByteArray> bytes = ReadOpenFile(file, path, kMostTextBytes, error);
    if (!bytes)
        return std::nullopt;
    return DecodeText(*bytes);
}

TextFile DecodeText(const QByteArray& bytes)
{
    if (HasUtf8Bom(bytes))
        return TextFile { QString::fromUtf8(QByteArrayView(bytes).sliced(3)), TextEncoding::Utf8WithBom };
    return TextFile { DecodeWindows1252(bytes), TextEncoding::Windows1252 };
}

std::optional<QString> ReadUtf8(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = ReadFile(path, kMostTextBytes, error);
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
    return Copy(from, to, true, false, error);
}

bool CopyFileStreamed(const QString& from, const QString& to, QString* error)
{
    return Copy(from, to, false, true, error);
}

bool Exists(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace FileStore
