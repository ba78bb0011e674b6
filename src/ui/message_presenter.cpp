#include "ui/message_presenter.h"

#include <iostream>

namespace kvrm::ui {

void RecordedMessages::Present(QWidget*, const QString& text, const QString&) {
  texts_.append(text);
  if (print_) std::cerr << "kvrm-config: message: " << MessageLine(text).toStdString() << "\n";
}

QString MessageLine(const QString& text) {
  QStringList lines = text.split('\n');
  while (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
  return lines.join(" / ");
}

}  // namespace kvrm::ui
