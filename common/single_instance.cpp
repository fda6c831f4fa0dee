#include "common/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kCallWaitMs = 2000;

} // namespace

SingleInstance::SingleInstance(const QString& programName, const QString& runtimeFolder)
    : socketPath_(QDir(runtimeFolder).filePath(programName + QStringLiteral(".socket"))),
      lock_(std::make_unique<QLockFile>(QDir(runtimeFolder).filePath(programName + QStringLiteral(".lock"))))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (lock_->isLocked())
        return true;
    if (!lock_->tryLock(0))
        return false;
    listen();
    return true;
}

// Only the lock holder gets here, so a socket file left behind by a killed
// holder may be removed.
void SingleInstance::listen()
{
    QLocalServer::removeServer(socketPath_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
            Q_EMIT startedAgain();
        }
    });
    // Without the socket the lock still keeps a second copy out; the second
    // start then only says that the program runs.
    server_->listen(socketPath_);
}

bool SingleInstance::callRunning()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kCallWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}
