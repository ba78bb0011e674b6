#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvrm::ui {

// The buttons of the window header; each has five copies, suffix _1.._5.
inline constexpr int kHeaderCopies = 5;
const QStringList& HeaderButtonNames();

// The page numbers of the window (held in rb_1..rb_8).
inline constexpr int kPageCount = 8;
// The page button of a page: 1 Main, 2 Switch, 3 Fixed, 4 Adv, 5 Breath,
// 6 Macro, 7 Update, 8 Engineer.
QString PageButtonName(int page);
// The language button of language k: Lang1, Lang2, Lang3.
QString LanguageButtonName(int language);

// The hover families of the header and of the update page's buttons.
enum class HoverFamily {
  kConfirm,   // A: Confirm1..3
  kPage,      // B: page buttons, Save, Load
  kLanguage,  // D: Lang1..3
  kUpdate,    // E: Btn_LoadBIN, Btn_Program
  kExit,      // I
  kMinimise,  // J
  kWeb,
};

struct HoverRule {
  QString enter_image;
  QString leave_image;
  // The image changes on every copy of the button, not only on the hovered one.
  bool all_copies = false;
  // Entering records the caption for the marquee; leaving puts it back.
  bool records_hover = true;
  // Leaving gives the button of the current page (or language) its selected look.
  bool reselects_current = false;
};

HoverRule RuleOf(HoverFamily family);
// The family of a caption label such as "Btn_Adv_3" or "Btn_LoadBIN".
std::optional<HoverFamily> FamilyOfLabel(const QString& label_name);

// The name of the picture a caption label's hover acts on: "Btn_" dropped, and
// for families that act on all copies the copy suffix too, then "Img_" in front:
// "Btn_Exit_2" gives "Img_Exit", "Btn_Adv_3" gives "Img_Adv_3".
QString HoverPictureName(const QString& label_name, bool all_copies);

// A header control name without its copy suffix: "Btn_Adv_3" gives "Btn_Adv".
QString WithoutCopySuffix(const QString& name);

}  // namespace kvrm::ui
