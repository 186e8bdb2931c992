#include "gui/shell/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace tarnel {

namespace {
QString runtimeDir() {
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !xdg.isEmpty() && QDir(xdg).exists() ? xdg : QDir::tempPath();
}
} // namespace

SingleInstance::SingleInstance(const QString& dataRoot, QObject* parent) : QObject(parent) {
    const QByteArray root =
        QCryptographicHash::hash(dataRoot.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    fKey = QStringLiteral("TarnelUC-%1-%2").arg(::getuid()).arg(QString::fromLatin1(root));
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return runtimeDir() + "/" + fKey + ".lock";
}

bool SingleInstance::acquire() {
    fLock = std::make_unique<QLockFile>(lockPath());
    // A live owner holds the lock however old it is; only a dead owner's file is stale.
    fLock->setStaleLockTime(0);
    if (!fLock->tryLock(0)) {
        fLock.reset();
        return false;
    }
    fServer = new QLocalServer(this);
    fServer->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket left by a crashed instance is ours to remove.
    QLocalServer::removeServer(fKey);
    fServer->listen(fKey);
    connect(fServer, &QLocalServer::newConnection, this, &SingleInstance::readMessage);
    return true;
}

bool SingleInstance::wakeFirst() const {
    QLocalSocket socket;
    socket.connectToServer(fKey);
    if (!socket.waitForConnected(1000)) return false;
    socket.write(QByteArray::number(WakeUpMessage) + "\n");
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::readMessage() {
    while (QLocalSocket* socket = fServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto drain = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine().trimmed() == QByteArray::number(WakeUpMessage))
                    emit wakeUp();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, drain);
        drain();
    }
}

} // namespace tarnel
