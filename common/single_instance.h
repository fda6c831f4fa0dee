#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of a program from running: a lock file named after the
// program in the user's runtime folder. A lock left by a killed process is
// taken over.
class SingleInstance {
public:
    SingleInstance(const QString& programName, const QString& runtimeFolder);
    // False while another live process holds the lock.
    bool tryAcquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
