#pragma once
// One running converter per user and data root. A lock file in the runtime folder
// decides the first instance; it listens on a local socket that only the same user may
// reach, and a later start sends it the wake-up message instead of opening a window.
// Names carry the user and a hash of the data root, so instances over different roots
// never meet.

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace tarnel {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    /// The message a second start sends.
    static constexpr int WakeUpMessage = 5121;

    explicit SingleInstance(const QString& dataRoot, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// True when this process is the first one; it then keeps the lock and listens.
    bool acquire();
    /// Sends the wake-up message to the first instance; false when none answered.
    bool wakeFirst() const;

    /// The names used for the lock file and the socket.
    QString lockPath() const;
    QString serverName() const { return fKey; }

  signals:
    /// A later start asked this instance to come to the front.
    void wakeUp();

  private:
    void readMessage();

    QString fKey;
    std::unique_ptr<QLockFile> fLock;
    QLocalServer* fServer = nullptr;
};

} // namespace tarnel
