#pragma once

#include <QString>
#include <QtGlobal>

namespace FileStore {

// Plays a full or failing disk for tests: while a guard lives, every write
// of FileStore whose target path contains `pathPart` (every write when it is
// empty) fails at the chosen point. Without a guard nothing is checked but
// one pointer.
class FailureInjection {
public:
    enum class Point {
        AfterBytes, // the disk fills up after `bytes` bytes of the file
        AtFlush, // every byte is accepted, the final flush to the disk fails
        AtRename, // the temporary file is whole, putting it in place fails
    };

    explicit FailureInjection(Point point, qint64 bytes = 0, QString pathPart = {});
    ~FailureInjection();
    FailureInjection(const FailureInjection&) = delete;
    FailureInjection& operator=(const FailureInjection&) = delete;

    bool applies(const QString& path) const { return pathPart_.isEmpty() || path.contains(pathPart_); }
    Point point() const { return point_; }
    qint64 bytes() const { return bytes_; }
    // How many writes the guard made fail, so that a test knows it struck.
    int failures() const { return failures_; }
    void countFailure() const { ++failures_; }

private:
    Point point_;
    qint64 bytes_;
    QString pathPart_;
    const FailureInjection* outer_;
    mutable int failures_ = 0;
};

// The guard in force, or none.
const FailureInjection* ActiveFailureInjection();

} // namespace FileStore
