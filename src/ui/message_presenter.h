#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace kvrm::ui {

// Where the window's messages go: the modal dialog of a normal run, or a record
// for tests and for --script and --screenshot runs, which must not block.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  virtual void Present(QWidget* over, const QString& text, const QString& font_name) = 0;
};

// Keeps every message and, when asked, prints it to stderr as one line.
class RecordedMessages : public MessagePresenter {
 public:
  explicit RecordedMessages(bool print_to_stderr = false) : print_(print_to_stderr) {}
  void Present(QWidget* over, const QString& text, const QString& font_name) override;
  const QStringList& texts() const { return texts_; }
  void clear() { texts_.clear(); }

 private:
  bool print_;
  QStringList texts_;
};

// A message as one line: line breaks shown as " / ", an empty last line dropped.
QString MessageLine(const QString& text);

}  // namespace kvrm::ui
