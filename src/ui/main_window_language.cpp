// The main window's languages and layouts, and the hover effects of its header.
#include <QApplication>

#include "texts/layout_keys.h"
#include "ui/layout_rules.h"
#include "ui/main_window.h"

namespace kvrm::ui {
namespace {

// The language keys of the header captions.
struct CaptionKey {
  const char* button;
  const char* key;
};
constexpr CaptionKey kHeaderCaptions[] = {
    {"Main", "Str004"},     {"Switch", "Str005"},   {"Fixed", "Str006"},    {"Adv", "Str007"},
    {"Breath", "Str008"},   {"Macro", "Str014"},    {"Update", "Str015"},   {"Save", "Str009"},
    {"Load", "Str010"},     {"Lang1", "Str011"},    {"Lang2", "Str012"},    {"Lang3", "Str013"},
    {"Confirm1", "Str001"}, {"Confirm2", "Str002"}, {"Confirm3", "Str016"},
};

// The header buttons whose captions take text style B (the page, save, load and
// language buttons) rather than A (the confirm buttons).
bool TakesStyleB(const QString& name) {
  return !name.startsWith("Confirm");
}

}  // namespace

void MainWindow::LanguageOperation(int language) {
  if (language < 1 || language > kLayoutCount) return;
  for (int k = 1; k <= kLayoutCount; ++k) {
    header_->SetImage(LanguageButtonName(k), k == language ? "SetS_03" : "SetS_01");
  }
  languages_.button(language)->setChecked(true);
  model_->languages().Select(language);
  ApplyLayoutAndLanguage();
  QGuiApplication::setApplicationDisplayName(Text("Title"));
  RefreshAPPage();
  marquee_.ReplaceCaption(header_->Button(LanguageButtonName(language), 1).label()->text());
}

bool MainWindow::ApplyLayoutAndLanguage() {
  ConversionError error;
  const std::optional<Layout> layout = services_.layouts(current_language(), settings_, &error);
  if (!layout) {
    RefreshFormMessagDialog(QString::fromStdString(error.message));
    return false;
  }
  ApplyLayout(*layout);
  ApplyLanguage();
  return true;
}

void MainWindow::ApplyLayout(const Layout& layout) {
  const int k = current_language();
  for (int n = 1; n < kContainerCount; ++n)
    container(n).background()->SetImage(BackgroundImageName(k));
  const int page = current_page();
  if (page >= 1 && page <= 6) {
    const int shown = page <= 3 ? 1 : page - 2;
    container(shown).body()->SetImage(BodyImageName(shown, k));
  }
  container(6).body()->SetImage(BodyImageName(6, k));
  ApplyMask();

  for (size_t i = 0; i < kChromeButtonCount; ++i) {
    const auto& keys = layout_keys::kChromeButtons[i];
    const QString name = QString::fromUtf8(keys.name.data(), static_cast<int>(keys.name.size()));
    const TextStyle& style = TakesStyleB(name) ? layout.text.b : layout.text.a;
    for (int copy = 1; copy <= kHeaderCopies; ++copy) {
      ImageButton& button = header_->Button(name, copy);
      ApplySwitchable(button, layout.chrome[i], layout, keys.inset_caption);
      if (layout.chrome[i].shown) ApplyTextStyle(*button.label(), style);
    }
  }
  // The engineer button is not in the layouts: fixed place, shown only on request.
  const bool engineer = settings_.engineer_enable || services_.engineer_button;
  for (int copy = 1; copy <= kHeaderCopies; ++copy) {
    ImageButton& button = header_->Button("Engineer", copy);
    ApplySwitchable(button, {engineer, kEngineerButtonPlace}, layout, true);
    ApplyTextStyle(*button.label(), layout.text.b);
  }
  header_->Place("Web", settings_.web_x, settings_.web_y);
  header_->SetVisible("Web", true);

  for (int n = 1; n < kContainerCount; ++n) {
    const Place& at = layout.At(layout_keys::Numbered("P#", n));
    container(n).body()->move(at.x, at.y);
  }
  for (int n = 1; n <= kKeyLabels; ++n) {
    const Switchable& element = layout.key_buttons[static_cast<size_t>(n - 1)];
    const int label = LabelForLayoutButton(n);
    SkinPicture* picture = key_page_->key_picture(label);
    CaptionLabel* caption = key_page_->key_label(label);
    picture->setVisible(element.shown);
    caption->setVisible(element.shown);
    if (!element.shown) continue;
    picture->setGeometry(element.at.x, element.at.y, layout.key_width, picture->height());
    caption->setGeometry(picture->geometry());
    ApplyTextStyle(*caption, layout.text.c);
  }
}

void MainWindow::ApplyLanguage() {
  const QString font = Text("FontName");
  for (CaptionLabel* label : header_->Labels()) ApplyFontName(*label, font);
  for (int n = 1; n <= kKeyLabels; ++n) ApplyFontName(*key_page_->key_label(n), font);
  for (const CaptionKey& caption : kHeaderCaptions) {
    header_->SetCaption(caption.button, Text(caption.key));
  }
  header_->SetCaption("Engineer", "Engineer");
  key_page_->RetranslateKeys();
  Q_EMIT model_->languageChanged(current_language());
}

void MainWindow::ButtonMouseEnter(const QString& label_name) {
  const std::optional<HoverFamily> family = FamilyOfLabel(label_name);
  if (!family) return;
  const HoverRule rule = RuleOf(*family);
  if (rule.all_copies) {
    header_->SetImage(WithoutCopySuffix(label_name).mid(4), rule.enter_image);
  } else if (auto* picture = findChild<SkinPicture*>(HoverPictureName(label_name, false))) {
    picture->SetImage(rule.enter_image);
  }
  if (!rule.records_hover) return;
  if (auto* label = findChild<QLabel*>(label_name)) {
    marquee_.Begin(label_name, label->text(), label->isEnabled());
  }
}

void MainWindow::ButtonMouseLeave(const QString& label_name) {
  const std::optional<HoverFamily> family = FamilyOfLabel(label_name);
  if (!family) return;
  const HoverRule rule = RuleOf(*family);
  if (rule.all_copies) {
    header_->SetImage(WithoutCopySuffix(label_name).mid(4), rule.leave_image);
  } else if (auto* picture = findChild<SkinPicture*>(HoverPictureName(label_name, false))) {
    picture->SetImage(rule.leave_image);
  }
  if (rule.reselects_current) {
    header_->SetImage(*family == HoverFamily::kLanguage ? LanguageButtonName(current_language())
                                                        : PageButtonName(current_page()),
                      "SetS_03");
  }
  if (!rule.records_hover) return;
  marquee_.Stop();
  if (auto* label = findChild<QLabel*>(marquee_.record().label)) {
    label->setText(marquee_.record().saved_caption);
  }
}

}  // namespace kvrm::ui
