#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace kvrm::ui {

// One window per user: the first start listens on a local socket named after
// the window caption and the user; a later start tells it to come forward and
// ends. A socket left behind by a crashed run is taken over.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(const QString& caption, QObject* parent = nullptr);

  // True when this process is the first; false when another one was asked to
  // restore and raise its window.
  bool Claim();
  const QString& server_name() const { return server_name_; }

 Q_SIGNALS:
  void raiseRequested();

 private:
  bool AskRunningInstance();

  QString server_name_;
  QLocalServer server_;
};

// The per-user socket name of a caption.
QString InstanceServerName(const QString& caption);

}  // namespace kvrm::ui
