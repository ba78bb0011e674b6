#include "ui/header_chrome.h"

namespace kvrm::ui {
namespace {

QString Key(const QString& name, int copy) {
  return name + "_" + QString::number(copy);
}

}  // namespace

HeaderChrome::HeaderChrome(SkinLibrary& skins,
                           const std::array<QWidget*, kHeaderCopies>& containers) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) {
    QWidget* container = containers[static_cast<size_t>(copy - 1)];
    auto* overlay = new CaptionLabel("Disable_All_" + QString::number(copy), container);
    overlay->hide();
    overlays_[static_cast<size_t>(copy - 1)] = overlay;
    for (const QString& name : HeaderButtonNames()) {
      buttons_.insert(Key(name, copy), ImageButton(skins, Key(name, copy), container));
    }
  }
}

ImageButton& HeaderChrome::Button(const QString& name, int copy) {
  return buttons_.find(Key(name, copy)).value();
}

void HeaderChrome::SetImage(const QString& name, const QString& image) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) Button(name, copy).SetImage(image);
}

void HeaderChrome::SetCaption(const QString& name, const QString& caption) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) Button(name, copy).SetCaption(caption);
}

void HeaderChrome::SetVisible(const QString& name, bool visible) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) Button(name, copy).SetVisible(visible);
}

void HeaderChrome::Place(const QString& name, int x, int y, int inset_front, int inset_back) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) {
    Button(name, copy).Place(x, y, inset_front, inset_back);
  }
}

void HeaderChrome::SetCaptionFont(const QString& name, const QFont& font, const QColor& colour) {
  for (int copy = 1; copy <= kHeaderCopies; ++copy) {
    CaptionLabel* label = Button(name, copy).label();
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
  }
}

SkinPicture* HeaderChrome::Picture(const QString& control_name) const {
  if (!control_name.startsWith("Img_")) return nullptr;
  const auto it = buttons_.find(control_name.mid(4));
  return it == buttons_.end() ? nullptr : it->picture();
}

CaptionLabel* HeaderChrome::Label(const QString& control_name) const {
  if (!control_name.startsWith("Btn_")) return nullptr;
  const auto it = buttons_.find(control_name.mid(4));
  return it == buttons_.end() ? nullptr : it->label();
}

std::vector<CaptionLabel*> HeaderChrome::Labels() const {
  std::vector<CaptionLabel*> labels;
  for (const ImageButton& button : buttons_) labels.push_back(button.label());
  return labels;
}

void HeaderChrome::SetOverlaysVisible(bool visible) {
  for (CaptionLabel* overlay : overlays_) {
    overlay->setVisible(visible);
    if (visible) overlay->raise();
  }
  // The header stays above the overlay: its buttons answer while the pages are locked.
  if (visible) {
    for (const ImageButton& button : buttons_) {
      button.picture()->raise();
      button.label()->raise();
    }
  }
}

void HeaderChrome::SizeOverlays(const QSize& size) {
  for (CaptionLabel* overlay : overlays_) overlay->setGeometry(QRect(QPoint(0, 0), size));
}

}  // namespace kvrm::ui
