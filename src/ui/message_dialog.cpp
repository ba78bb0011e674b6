#include "ui/message_dialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/image_button.h"

namespace kvrm::ui {
namespace {

constexpr int kMinWidth = 300;
constexpr int kMaxWidth = 600;
constexpr int kMargin = 24;
const QColor kPanel(24, 24, 28);
const QColor kBorder(150, 20, 20);

}  // namespace

MessageDialog::MessageDialog(SkinLibrary& skins, const QString& text, const QString& font_name,
                             QWidget* over)
    : QDialog(over, Qt::Dialog | Qt::FramelessWindowHint), skins_(skins) {
  setObjectName("FormMessagDialog");
  setModal(true);
  QFont font = this->font();
  if (!font_name.isEmpty()) font.setFamily(font_name);
  font.setPointSize(11);

  auto* message = new QLabel(text, this);
  message->setObjectName("lbl_Message");
  message->setFont(font);
  message->setAlignment(Qt::AlignCenter);
  message->setWordWrap(true);
  message->setStyleSheet("color: white;");

  auto* holder = new QWidget(this);
  ImageButton ok(skins_, "OK", holder);
  ok.SetImage("BtnS_01");
  if (ok.picture()->size().isEmpty()) ok.picture()->resize(100, 30);
  ok.Place(0, 0);
  ok.SetCaption("OK");
  ok.label()->setFont(font);
  ok.label()->setStyleSheet("color: white;");
  holder->setFixedSize(ok.picture()->size());
  SkinPicture* ok_picture = ok.picture();
  connect(ok.label(), &CaptionLabel::entered, this,
          [ok_picture] { ok_picture->SetImage("BtnS_02"); });
  connect(ok.label(), &CaptionLabel::left, this, [ok_picture] { ok_picture->SetImage("BtnS_01"); });
  connect(ok.label(), &CaptionLabel::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin / 2);
  layout->setSpacing(kMargin / 2);
  layout->addWidget(message);
  layout->addWidget(holder, 0, Qt::AlignHCenter);
  // The dialog keeps the size of its skin unless the text needs more width.
  const QSize skin = skins_.Pixmap("Msg").size();
  const int text_width = QFontMetrics(font).horizontalAdvance(text) + 2 * kMargin;
  setMinimumSize(std::max({kMinWidth, skin.width(), std::min(text_width, kMaxWidth)}),
                 skin.height());
  adjustSize();
  if (over) move(over->geometry().center() - rect().center());
}

void MessageDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& skin = skins_.Pixmap("Msg");
  if (!skin.isNull()) {
    painter.drawPixmap(rect(), skin);
    return;
  }
  painter.fillRect(rect(), kPanel);
  painter.setPen(QPen(kBorder, 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogMessages::Present(QWidget* over, const QString& text, const QString& font_name) {
  EventPasses::Scope scope(passes_);
  MessageDialog dialog(skins_, text, font_name, over);
  dialog.exec();
}

}  // namespace kvrm::ui
