#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "ui/header_rules.h"
#include "ui/skin_library.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/image_button.h"

namespace kvrm::ui {

// The window decorations of the page containers gbPage1..gbPage5: in each, the
// overlay Disable_All_n over the page and, above it, the header buttons with
// suffix _n. The copies act as one; only the hover highlight of a page or
// language button stays on the copy under the mouse.
class HeaderChrome {
 public:
  HeaderChrome(SkinLibrary& skins, const std::array<QWidget*, kHeaderCopies>& containers);

  // name is a header button name ("Adv"), copy 1..5.
  ImageButton& Button(const QString& name, int copy);
  void SetImage(const QString& name, const QString& image);
  void SetCaption(const QString& name, const QString& caption);
  void SetVisible(const QString& name, bool visible);
  // Every copy's picture at (x, y) with its caption inset by front and back.
  void Place(const QString& name, int x, int y, int inset_front = 0, int inset_back = 0);
  void SetCaptionFont(const QString& name, const QFont& font, const QColor& colour);

  // A picture or caption of any copy by control name ("Img_Adv_3", "Btn_Exit_1").
  SkinPicture* Picture(const QString& control_name) const;
  CaptionLabel* Label(const QString& control_name) const;
  std::vector<CaptionLabel*> Labels() const;

  CaptionLabel* Overlay(int copy) const { return overlays_[static_cast<size_t>(copy - 1)]; }
  void SetOverlaysVisible(bool visible);
  void SizeOverlays(const QSize& size);

 private:
  QHash<QString, ImageButton> buttons_;  // by "<name>_<copy>"
  std::array<CaptionLabel*, kHeaderCopies> overlays_{};
};

}  // namespace kvrm::ui
