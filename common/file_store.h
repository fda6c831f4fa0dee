#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <optional>

// How a text file is stored on disk.
enum class TextEncoding {
    Utf8WithBom, // EF BB BF, then UTF-8
    Windows1252, // no byte-order mark
};

struct TextFile {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// All I/O of whole files. Reads never fail loudly: a missing or unreadable
// file gives nothing and an error text. Writes go to a temporary file beside
// the target, which is then renamed over it, so a reader never sees half a
// file and a failed write leaves the old file whole. Every write, the flush
// and the close are checked before the rename; a failure removes the
// temporary file.
namespace FileStore {

// Data and month files are a few kilobytes; anyone may put a file into a
// shared folder, and a huge one must not exhaust the memory of a reader.
inline constexpr qint64 kMostTextBytes = 16 * 1024 * 1024;
// The refusal of a text file beyond that size, naming the file.
QString TooLargeText(const QString& path);
bool IsTooLargeForText(const QString& path);

// Only regular files (or links to them) are read: a FIFO or a device in a
// shared folder would block the reader for ever.

std::optional<QByteArray> ReadBytes(const QString& path, QString* error = nullptr);
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The text readers refuse a file beyond `kMostTextBytes` with `TooLargeText`.
// Detects a UTF-8 byte-order mark; without one the file is Windows-1252.
std::optional<TextFile> ReadText(const QString& path, QString* error = nullptr);
// The same, with the time of the last change taken from the open file: for
// readers of many files, to whom a second look-up by name costs about as
// much as the read. The time is set whenever the file could be opened.
std::optional<TextFile> ReadText(const QString& path, QDateTime& modified, QString* error = nullptr);
TextFile DecodeText(const QByteArray& bytes);
// Reads UTF-8 whether or not a byte-order mark leads.
std::optional<QString> ReadUtf8(const QString& path, QString* error = nullptr);

QByteArray EncodeText(const QString& text, TextEncoding encoding);
// Text that Windows-1252 cannot carry is written as UTF-8 with byte-order
// mark instead, so that nothing is lost. The encoding actually used is
// returned through `used`.
bool WriteText(const QString& path, const QString& text, TextEncoding encoding, QString* error = nullptr,
    TextEncoding* used = nullptr);

// Copies a file into place through a temporary name in the target folder,
// streamed, flushed to the disk and with the source's time of the last
// change.
bool CopyFile(const QString& from, const QString& to, QString* error = nullptr);
// The same for copies of many files at once, such as a backup: the file is
// streamed instead of read whole, and flushing to the disk is left to the
// system, because waiting for the disk after every file multiplies the time.
bool CopyFileStreamed(const QString& from, const QString& to, QString* error = nullptr);

bool Exists(const QString& path);

class FailureInjection;

// A file written in pieces, such as a download: a new file beside the
// target, written unbuffered so that every failing write is seen where it
// happens, put in place by a rename only when every write, the flush to the
// disk and the close succeeded. Left uncommitted, it is removed.
class AtomicFile {
public:
    explicit AtomicFile(const QString& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // `modified` invalid keeps the time of the writing; without
    // `permissions` the file keeps the mode of the one it replaces.
    bool commit(bool syncToDisk = true, const QDateTime& modified = {},
        std::optional<QFileDevice::Permissions> permissions = std::nullopt);
    const QString& errorString() const { return error_; }

private:
    bool injected(int code);

    QString target_;
    const FailureInjection* injection_;
    QFile file_;
    qint64 written_ = 0;
    bool placed_ = false;
    QString error_;
};

} // namespace FileStore
