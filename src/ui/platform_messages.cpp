#include "ui/platform_messages.h"

#include <QString>
#include <QtGlobal>

namespace kvrm::ui {
namespace {

QtMessageHandler previous_handler = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  if (previous_handler) previous_handler(type, context, message);
}

}  // namespace

void QuietUnsupportedPlatformNotes() {
  previous_handler = qInstallMessageHandler(Filter);
}

}  // namespace kvrm::ui
