#pragma once

#include <QDialog>

#include "ui/event_passes.h"
#include "ui/message_presenter.h"
#include "ui/skin_library.h"

namespace kvrm::ui {

// RefreshFormMessagDialog: the one message box of the tool, skinned, with the
// text in the language's font and a single OK button.
class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(SkinLibrary& skins, const QString& text, const QString& font_name, QWidget* over);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SkinLibrary& skins_;
};

// Shows each message modally over the main window. The modal loop counts as an
// operation in progress, so presence ticks and posted work wait for the OK.
class DialogMessages : public MessagePresenter {
 public:
  DialogMessages(SkinLibrary& skins, EventPasses& passes) : skins_(skins), passes_(passes) {}
  void Present(QWidget* over, const QString& text, const QString& font_name) override;

 private:
  SkinLibrary& skins_;
  EventPasses& passes_;
};

}  // namespace kvrm::ui
