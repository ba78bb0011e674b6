#include "ui/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include <cstdlib>

namespace kvrm::ui {
namespace {

constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaise = "raise\n";

QString UserName() {
  for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
    if (const char* value = std::getenv(variable); value && *value)
      return QString::fromLocal8Bit(value);
  }
  return "user";
}

}  // namespace

QString InstanceServerName(const QString& caption) {
  const QByteArray digest =
      QCryptographicHash::hash((caption + "\n" + UserName()).toUtf8(), QCryptographicHash::Sha1);
  return "kvrm-config-" + QString::fromLatin1(digest.toHex().left(16));
}

SingleInstance::SingleInstance(const QString& caption, QObject* parent)
    : QObject(parent), server_name_(InstanceServerName(caption)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (socket->readAll().contains(kRaise.trimmed())) Q_EMIT raiseRequested();
        socket->disconnectFromServer();
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

bool SingleInstance::AskRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(server_name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kRaise);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Claim() {
  if (AskRunningInstance()) return false;
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(server_name_)) return true;
  // Nobody answered, so the name is a leftover of a run that did not end cleanly.
  // Should it still not be ours, the window runs without the guard rather than not at all.
  QLocalServer::removeServer(server_name_);
  server_.listen(server_name_);
  return true;
}

}  // namespace kvrm::ui
