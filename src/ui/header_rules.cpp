#include "ui/header_rules.h"

#include <QRegularExpression>

namespace kvrm::ui {

const QStringList& HeaderButtonNames() {
  static const QStringList kNames = {"Main",     "Switch", "Fixed",    "Adv",      "Breath",
                                     "Macro",    "Update", "Engineer", "Save",     "Load",
                                     "Lang1",    "Lang2",  "Lang3",    "Confirm1", "Confirm2",
                                     "Confirm3", "Exit",   "Mini",     "Web"};
  return kNames;
}

QString PageButtonName(int page) {
  static const QStringList kPages = {"Main",   "Switch", "Fixed",  "Adv",
                                     "Breath", "Macro",  "Update", "Engineer"};
  return page >= 1 && page <= kPageCount ? kPages[page - 1] : QString();
}

QString LanguageButtonName(int language) {
  return "Lang" + QString::number(language);
}

HoverRule RuleOf(HoverFamily family) {
  switch (family) {
    case HoverFamily::kConfirm:
      return {"BtnS_02", "BtnS_01", true, true, false};
    case HoverFamily::kPage:
    case HoverFamily::kLanguage:
      return {"SetS_02", "SetS_01", false, true, true};
    case HoverFamily::kUpdate:
      return {"KeyS_02", "KeyS_01", false, true, false};
    case HoverFamily::kExit:
      return {"ExitS_02", "ExitS_01", true, true, false};
    case HoverFamily::kMinimise:
      return {"MiniS_02", "MiniS_01", true, true, false};
    case HoverFamily::kWeb:
      return {"WebS_02", "WebS_01", true, false, false};
  }
  return {};
}

QString WithoutCopySuffix(const QString& name) {
  static const QRegularExpression kSuffix("_[1-5]$");
  QString base = name;
  base.remove(kSuffix);
  return base;
}

std::optional<HoverFamily> FamilyOfLabel(const QString& label_name) {
  if (label_name == "Btn_LoadBIN" || label_name == "Btn_Program") return HoverFamily::kUpdate;
  if (!label_name.startsWith("Btn_")) return std::nullopt;
  const QString base = WithoutCopySuffix(label_name).mid(4);
  if (base.startsWith("Confirm")) return HoverFamily::kConfirm;
  if (base.startsWith("Lang")) return HoverFamily::kLanguage;
  if (base == "Exit") return HoverFamily::kExit;
  if (base == "Mini") return HoverFamily::kMinimise;
  if (base == "Web") return HoverFamily::kWeb;
  if (HeaderButtonNames().contains(base)) return HoverFamily::kPage;
  return std::nullopt;
}

QString HoverPictureName(const QString& label_name, bool all_copies) {
  QString name = label_name.startsWith("Btn_") ? label_name.mid(4) : label_name;
  if (all_copies) name = WithoutCopySuffix(name);
  return "Img_" + name;
}

}  // namespace kvrm::ui
