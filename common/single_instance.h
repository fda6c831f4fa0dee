#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// Keeps a second copy of a program from running: a lock file named after the
// program in the user's runtime folder. A lock left by a killed process is
// taken over. The holder also listens on a local socket beside the lock, so
// that a second start can bring the running window to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance(const QString& programName, const QString& runtimeFolder);
    ~SingleInstance() override;

    // False while another live process holds the lock.
    bool tryAcquire();
    // Tells the running holder of the lock that the program was started
    // again; false when it cannot be reached.
    bool callRunning();

Q_SIGNALS:
    // Another start of the program called this holder.
    void startedAgain();

private:
    void listen();

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};
