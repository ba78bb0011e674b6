#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "ui/caption_forms.h"
#include "ui/layout_rules.h"
#include "ui/skin_library.h"
#include "ui/widgets/colour_swatch.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/step_bar.h"
#include "ui/widgets/two_state_picture.h"

namespace kvrm::ui::test {
namespace {

TEST(CaptionFormsTest, MenuEntriesInsertLabelsAndDropDowns) {
  EXPECT_EQ(MenuEntryCaption("*", "Left Click"), " * Left Click");
  EXPECT_EQ(InsertOptionCaption("No Delay", false), "    No Delay");
  EXPECT_EQ(InsertOptionCaption("No Delay", true), "     No Delay");
  QComboBox combo;
  combo.addItems({"a", "b"});
  ReplaceComboEntry(combo, 1, "B");
  ReplaceComboEntry(combo, 2, "C");
  EXPECT_EQ(combo.count(), 2);
  EXPECT_EQ(combo.itemText(1), "B");
}

TEST(SkinnedControlsTest, PicturesTellTheirImage) {
  SkinLibrary skins;
  QWidget page;
  CheckPicture check(skins, "Img_ComboKey1", &page);
  EXPECT_EQ(check.property("image").toString(), "CbS_D");
  check.SetChecked(true);
  EXPECT_EQ(check.property("image").toString(), "CbS_E");
  EXPECT_TRUE(check.property("checked").toBool());
  OptionPicture option(skins, "Img_Rep1", &page);
  option.SetChecked(true);
  EXPECT_EQ(option.image(), "RdS_E");

  ImageButton button(skins, "Confirm1_1", &page);
  button.SetImage("BtnS_01");
  EXPECT_EQ(button.picture()->objectName(), "Img_Confirm1_1");
  EXPECT_EQ(button.label()->objectName(), "Btn_Confirm1_1");
  EXPECT_EQ(button.picture()->size(), skins.Pixmap("BtnS_01").size());

  ColourSwatch swatch("cs_DPI1Col", &page);
  swatch.SetColour(QColor(1, 2, 3));
  EXPECT_EQ(swatch.property("colour").value<QColor>(), QColor(1, 2, 3));
}

TEST(SkinnedControlsTest, StepScalesRunRightOrUp) {
  SkinLibrary skins;
  QWidget page;
  StepBar steps(skins, {"Img_DPI1_1", "Img_DPI1_2", "Img_DPI1_3"}, "Bar2_D", "Bar2_E", &page);
  const QSize step = steps.step(0)->size();
  Place scale;
  scale.x = 100;
  scale.y = 300;
  scale.d = 2;
  steps.Place(scale, true);
  EXPECT_EQ(steps.step(2)->pos(), QPoint(100, 300 - 2 * (step.height() + 2)));
  steps.Place(scale, false);
  EXPECT_EQ(steps.step(2)->pos(), QPoint(100 + 2 * (step.width() + 2), 300));
  steps.SetStepOn(1, true);
  EXPECT_EQ(steps.step(1)->image(), "Bar2_E");
  EXPECT_TRUE(steps.StepOn(1));
  EXPECT_FALSE(steps.StepOn(0));

  QWidget slider(&page);
  ApplyStepScale(steps, &slider, scale, false, true);
  EXPECT_TRUE(steps.step(0)->isHidden());
  EXPECT_FALSE(slider.isHidden());
  EXPECT_EQ(slider.pos(), QPoint(100, 300));
  ApplyStepScale(steps, &slider, scale, false, false);
  EXPECT_FALSE(steps.step(0)->isHidden());
  EXPECT_TRUE(slider.isHidden());
}

TEST(LayoutRulesTest, LabelsAreTwiceTheirFontSizeHigh) {
  QLabel label;
  ApplyLabelStyle(label, {{12, 34}, {10, 20, 30}, 9, 150});
  EXPECT_EQ(label.geometry(), QRect(12, 34, 150, 18));
  EXPECT_EQ(label.font().pointSize(), 9);
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(10, 20, 30));
}

}  // namespace
}  // namespace kvrm::ui::test
