#include "skin_preview.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <string>
#include <vector>

#include "texts/language_parser.h"
#include "texts/layout_keys.h"

namespace kvrm::skins {
namespace {

constexpr int kWindowW = 1030;
constexpr int kWindowH = 662;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Layout and language values for the mock-up; a missing value shows as 0.
class Sources {
 public:
  Sources(const QString& rcdata, int k) {
    const QByteArray org = ReadFile(rcdata + "/ORG.txt");
    general_ = ParseIniLines(std::string_view(org.constData(), org.size())).Section("org");
    const std::string section = "org" + std::to_string(k);
    const QByteArray layout = ReadFile(rcdata + QString("/ORG%1.txt").arg(k));
    layout_ = ParseIniLines(std::string_view(layout.constData(), layout.size())).Section(section);
    const QByteArray lang = ReadFile(rcdata + QString("/LANG%1.txt").arg(k));
    language_ = ParseLanguageResource(
        std::span(reinterpret_cast<const uint8_t*>(lang.constData()), lang.size()),
        "lang" + std::to_string(k));
  }
  int Int(const std::string& key) const { return std::atoi(layout_.Text(key).c_str()); }
  int General(const std::string& key) const { return std::atoi(general_.Text(key).c_str()); }
  QPoint At(const std::string& name) const { return {Int(name + "_X"), Int(name + "_Y")}; }
  QColor Colour(const std::string& name) const {
    return QColor(Int(name + "_R"), Int(name + "_G"), Int(name + "_B"));
  }
  QString Text(const std::string& key) const { return QString::fromStdString(language_.Text(key)); }
  QString Font() const { return Text("FontName"); }

 private:
  LanguageTable general_;
  LanguageTable layout_;
  LanguageTable language_;
};

class Mock {
 public:
  Mock(const ImageSet& images, const Sources& src, int k)
      : images_(images),
        src_(src),
        k_(k),
        canvas_(kWindowW, kWindowH, QImage::Format_RGB32),
        p_(&canvas_) {
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    Image(QString("L%1_BackGround").arg(k), {0, 0});
  }

  const QImage& Finish() {
    p_.end();
    return canvas_;
  }

  QPoint Image(const QString& name, QPoint at, QPoint origin = {}) {
    const QImage& image = images_.at(name);
    p_.drawImage(origin + at, image);
    return at;
  }

  void Text(const QString& text, QRect box, int size, QColor colour,
            int flags = Qt::AlignLeft | Qt::AlignTop) {
    QFont font(src_.Font().isEmpty() ? QString("DejaVu Sans") : src_.Font());
    font.setPointSize(size > 0 ? size : 9);
    p_.setFont(font);
    p_.setPen(colour);
    p_.drawText(box, flags | Qt::TextSingleLine, text);
  }

  void Label(const std::string& name, const QString& text, QPoint origin = {}) {
    const std::string base = name + "_Lable";
    const int size = src_.Int(base + "_Size");
    Text(text, QRect(origin + src_.At(base), QSize(src_.Int(base + "_Width"), 2 * size)), size,
         src_.Colour(base));
  }

  void Well(QRect r, QColor back, QColor border) {
    p_.setPen(border);
    p_.setBrush(back);
    p_.drawRect(r.adjusted(0, 0, -1, -1));
  }

  void Slider(QPoint at, int width, double fraction) {
    const QImage& ruler = images_.at("Slider_Ruler");
    for (int x = 0; x < width; x += ruler.width()) {
      p_.drawImage(QPoint(at.x() + x, at.y()), ruler,
                   QRect(0, 0, std::min(ruler.width(), width - x), ruler.height()));
    }
    p_.drawImage(QPoint(at.x() + static_cast<int>(fraction * (width - 25)), at.y()),
                 images_.at("Slider_Thumb"));
  }

  void Swatch(QPoint at, QColor colour) {
    p_.fillRect(QRect(at + QPoint(3, 3), QSize(12, 12)), colour);
    Image("Col_F", at);
  }

  // The header buttons of the page containers gbPage1..5.
  void Chrome(const std::string& selected) {
    const char* captions[] = {"Str001", "Str002", "Str016", "",       "",       "Str004",
                              "Str005", "Str006", "Str007", "Str008", "Str014", "Str015",
                              "Str009", "Str010", "Str011", "Str012", "Str013"};
    for (size_t i = 0; i < layout_keys::kChromeButtons.size(); ++i) {
      const auto& b = layout_keys::kChromeButtons[i];
      const std::string key(b.key);
      if (src_.Int(key + "_Enable") != 1) continue;
      const std::string name(b.name);
      QString image = "SetS_01";
      if (name.rfind("Confirm", 0) == 0) image = "BtnS_01";
      if (name == "Exit") image = "ExitS_01";
      if (name == "Mini") image = "MiniS_01";
      if (name == selected || name == "Lang" + std::to_string(k_)) image = "SetS_03";
      const QPoint at = Image(image, src_.At(key));
      const QSize size = images_.at(image).size();
      const int inset = b.inset_caption ? src_.Int("Btn_Space_F") : 0;
      const int narrower = b.inset_caption ? inset + src_.Int("Btn_Space_B") : 0;
      const char family = b.inset_caption ? 'B' : 'A';
      Text(src_.Text(captions[i]), QRect(at + QPoint(inset, 0), size - QSize(narrower, 0)),
           src_.Int(std::string("Size_") + family), src_.Colour(std::string("Color_") + family),
           Qt::AlignCenter);
    }
    Image("WebS_01", {src_.General("Web_X"), src_.General("Web_Y")});
  }

  const Sources& src() const { return src_; }

 private:
  const ImageSet& images_;
  const Sources& src_;
  int k_;
  QImage canvas_;
  QPainter p_;
};

const char* const kSlotNames[] = {"Str210", "Str213", "Str231", "Str211", "Str214", "Str222",
                                  "Str212", "Str221", "Str223", "Str270", "Str274", "Str293"};

QImage KeyPage(const ImageSet& images, const Sources& s, int k) {
  Mock m(images, s, k);
  m.Image(QString("L%1_Back1").arg(k), s.At("P1"));
  const int label_of_button[] = {1, 4, 7, 2, 5, 8, 3, 6, 9, 10, 11, 12};
  for (int n = 1; n <= 12; ++n) {
    const std::string key = "Key" + std::to_string(n);
    if (s.Int(key + "_Enable") != 1) continue;
    const QPoint at = m.Image("KeyS_01", s.At(key));
    m.Text(s.Text(kSlotNames[label_of_button[n - 1] - 1]),
           QRect(at + QPoint(12, 0), QSize(s.Int("Key_Width") - 16, 30)), s.Int("Size_C"),
           s.Colour("Color_C"), Qt::AlignVCenter | Qt::AlignLeft);
  }
  for (int n = 1; n <= 8; ++n) {
    const std::string key = "ComboKey" + std::to_string(n);
    const QPoint at = m.Image(n == 2 ? "CbS_E" : "CbS_D", s.At(key));
    m.Text(s.Text("Str70" + std::to_string(n - 1)),
           QRect(at + QPoint(s.Int("ComboxKey_X_Offset"), s.Int("ComboxKey_Y_Offset")),
                 QSize(s.Int("Combox_Width"), 18)),
           s.Int("Combox_Font_Size"), s.Colour("Color_C"));
  }
  m.Chrome("Main");
  return m.Finish();
}

QImage AdvancedPage(const ImageSet& images, const Sources& s, int k) {
  Mock m(images, s, k);
  m.Image(QString("L%1_Back2").arg(k), s.At("P2"));
  const QColor dpi_colours[] = {Qt::red,  QColor(255, 160, 0), Qt::yellow, Qt::green, Qt::cyan,
                                Qt::blue, QColor(160, 0, 255), Qt::white};
  const char* values[] = {"1000", "1600", "2400", "3200", "4800", "6400", "200", "400"};
  for (int n = 1; n <= 8; ++n) {
    const std::string row = "DPI" + std::to_string(n);
    m.Image(n == 2 ? "CbS_E" : "CbS_D", s.At(row + "_Check"));
    m.Text("DPI" + QString::number(n), QRect(s.At(row), QSize(60, 18)), s.Int("Size_D"),
           s.Colour("Color_D_Selected"));
    m.Slider(s.At(row + "_Steps"), 12 * 20 + 11 * s.Int(row + "_Steps_D"), (n + 2) / 12.0);
    m.Text(values[n - 1], QRect(s.At(row + "_Value"), QSize(60, 18)), s.Int("Size_D"),
           s.Colour("Color_D_Selected"));
    m.Swatch(s.At(row + "_Color"), dpi_colours[n - 1]);
  }
  m.Text(s.Text("Str871"), QRect(s.At("AIMDPI"), QSize(80, 18)), s.Int("Size_D"),
         s.Colour("Color_D_Selected"));
  m.Slider(s.At("AIMDPI_Steps"), 12 * 20 + 11 * s.Int("AIMDPI_Steps_D"), 0);
  m.Text("200", QRect(s.At("AIMDPI_Value"), QSize(60, 18)), s.Int("Size_D"),
         s.Colour("Color_D_notSelected"));
  m.Well(QRect(s.At("DPI_Count"), QSize(60, 22)), s.Colour("Color_D_Back"),
         s.Colour("Color_D_Border"));
  m.Text("4", QRect(s.At("DPI_Count") + QPoint(8, 2), QSize(40, 18)), 9, s.Colour("Color_F"));
  for (int r = 1; r <= 4; ++r) {
    m.Image(r == 4 ? "RdS_E" : "RdS_D", s.At("Rep" + std::to_string(r)));
    m.Label("Rating_Value_" + std::to_string(r), s.Text("Str85" + std::to_string(r - 1)));
  }
  for (int f = 1; f <= 3; ++f) {
    const std::string n = std::to_string(f);
    for (const char* box : {"Cnt", "Delay"}) {
      const QPoint at = s.At("FK" + n + box);
      m.Well(QRect(at, QSize(80, 22)), s.Colour("Color_D_Back"), s.Colour("Color_D_Border"));
      m.Text(box[0] == 'C' ? "2" : "60", QRect(at, QSize(80, 22)), 9,
             s.Colour("Color_D_notSelected"), Qt::AlignCenter);
    }
    m.Image(f == 3 ? "CbS_E" : "CbS_D", s.At("FK" + n + "Continue"));
    m.Label("Fire_Key" + n, s.Text("Str23" + n));
  }
  m.Slider(s.At("Spd"), 286, 0.5);
  m.Slider(s.At("DbSpd"), 286, 0.4);
  m.Slider(s.At("ScrSpd"), 286, 0.2);
  for (int i = 1; i <= 11; ++i) {
    const QPoint step = s.At("ScrSpd") + QPoint((i - 1) * (26 + s.Int("ScrSpd_D")), 0);
    m.Text(QString::number(i), QRect(step + QPoint(4, 24), QSize(22, 16)), s.Int("Size_D"),
           s.Colour("Color_D_notSelected"));
  }
  m.Image("CbS_E", s.At("IsControl"));
  m.Image("CbS_D", s.At("IsScreen"));
  const std::pair<const char*, const char*> labels[] = {
      {"Fire_Key", "Str800"},
      {"Fire_Key_Count", "Str801"},
      {"Fire_Key_Time", "Str802"},
      {"Fire_Key_Continue", "Str803"},
      {"Mouse_Speed", "Str804"},
      {"Mouse_IsControl", "Str805"},
      {"Mouse_Double_Click", "Str806"},
      {"Mouse_Roller_Speed", "Str807"},
      {"Mouse_Roll_All_Screen", "Str808"},
      {"DPI_Setting", "Str809"},
      {"DPI_Count", "Str810"},
      {"DPI_Value", "Str220"},
      {"Rating_Setting", "Str849"},
  };
  for (const auto& [name, key] : labels) m.Label(name, s.Text(key));
  m.Chrome("Adv");
  return m.Finish();
}

QImage LightingPage(const ImageSet& images, const Sources& s, int k) {
  Mock m(images, s, k);
  m.Image(QString("L%1_Back3").arg(k), s.At("P3"));
  m.Slider(s.At("StepTime"), s.Int("StepTime_Width"), 0.6);
  const char* modes[] = {"Str815", "Str816", "Str817", "Str818", "Str819", "Str820", "Str859"};
  for (int n = 1; n <= 7; ++n) {
    const std::string i = std::to_string(n);
    m.Image(n == 2 ? "RdS_E" : "RdS_D", s.At("LEDMode" + i + "_4230"));
    const std::string label = "LED_Mode_" + i + "_4230_Lable";
    m.Text(s.Text(modes[n - 1]),
           QRect(s.At(label), QSize(s.Int("LED_Mode_" + i + "_Lable_Width"), 18)),
           s.Int("LED_Mode_Option_Lable_Size"), s.Colour("LED_Mode_Option_Lable"));
  }
  m.Image("RdS_E", s.At("LED3Control"));
  m.Image("RdS_D", s.At("LED6Control"));
  for (const auto& [name, key] :
       {std::pair{"LED_Mode_Light_All_Lable", "Str823"}, {"LED_Mode_Light_Half_Lable", "Str824"}}) {
    m.Text(s.Text(key), QRect(s.At(name), QSize(s.Int(std::string(name) + "_Width"), 18)),
           s.Int(std::string(name) + "_Size"), s.Colour("LED_Mode_Option_Lable"));
  }
  for (int n = 1; n <= 10; ++n) {
    m.Swatch(s.At("LED_Color_" + std::to_string(n) + "_Lable"),
             QColor::fromHsv((n - 1) * 36, 230, 255));
  }
  const std::pair<const char*, const char*> labels[] = {
      {"LED_Effect_Setting", "Str812"}, {"LED_Effect_Slow", "Str813"},
      {"LED_Effect_Fast", "Str814"},    {"LED_Mode", "Str821"},
      {"LED_Light", "Str822"},          {"LED_Color", "Str870"},
  };
  for (const auto& [name, key] : labels) m.Label(name, s.Text(key));
  m.Chrome("Breath");
  return m.Finish();
}

QImage MacroPage(const ImageSet& images, const Sources& s, int k, bool inserting) {
  Mock m(images, s, k);
  m.Image(QString("L%1_Back4").arg(k), s.At("P4"));
  const QColor back = s.Colour("Color_F_LBack"), border = s.Colour("Color_F_LBorder");
  const std::pair<const char*, std::vector<QString>> lists[] = {
      {"PCMacroName", {"Reload", "Sprint", "Combo 1"}},
      {"MseMacroName", {"Reload"}},
      {"MacroContent", {"Key A Down", "Delay 30 ms", "Key A Up"}},
  };
  for (const auto& [name, items] : lists) {
    const std::string n(name);
    const QRect r(s.At(n), QSize(s.Int(n + "_W"), s.Int(n + "_H")));
    m.Well(r, back, border);
    const int row = s.Int("MacroNameHeight");
    for (size_t i = 0; i < items.size(); ++i) {
      const QRect item(r.left() + 1, r.top() + 1 + static_cast<int>(i) * row, r.width() - 2, row);
      if (i == 0) m.Well(item, s.Colour("Color_MACRO"), s.Colour("Color_MACRO"));
      m.Text(items[i], item.adjusted(4, 0, 0, 0), s.Int("Size_F"), s.Colour("Color_F_Font"),
             Qt::AlignVCenter | Qt::AlignLeft);
    }
  }
  const std::pair<const char*, const char*> buttons[] = {{"BtnNew", "Str432"},
                                                         {"BtnDelete", "Str433"},
                                                         {"BtnAddMouse", "Str434"},
                                                         {"BtnDeleteMouse", "Str433"},
                                                         {"BtnStart", "Str400"}};
  for (const auto& [name, key] : buttons) {
    const QPoint at = m.Image("MacroS_01", s.At(name));
    m.Text(s.Text(key), QRect(at, QSize(90, 25)), s.Int("Size_F"), s.Colour("Color_F"),
           Qt::AlignCenter);
  }
  if (inserting) {
    const QPoint g = s.At("Insert");
    m.Image("InsertKeyBase", {0, 0}, g);
    m.Text(s.Text("Str412"), QRect(g + s.At("InsertList") + QPoint(6, 0), QSize(180, 24)), 9,
           s.Colour("Color_F_Font"), Qt::AlignVCenter);
    const QPoint modes = g + s.At("InsertRecDelay");
    const char* mode_keys[] = {"Str837", "Str838", "Str839"};
    for (int i = 0; i < 3; ++i) {
      const QPoint at =
          modes + QPoint(0, i * (s.Int("InsertRecDelay_H") + s.Int("InsertRecDelay_D")));
      m.Image(i == 0 ? "RdS_E" : "RdS_D", at);
      m.Text(s.Text(mode_keys[i]), QRect(at + QPoint(20, -2), QSize(80, 18)), 8,
             s.Colour("Color_F"));
    }
    const QPoint start = m.Image("MacroS_01", s.At("InsertBtnStart"), g);
    m.Text(s.Text("Str400"), QRect(g + start, QSize(90, 25)), 9, s.Colour("Color_F"),
           Qt::AlignCenter);
    const QPoint ok = m.Image("MacroBtnS_01", s.At("InsertBtnOK"), g);
    m.Text(s.Text("Str421"), QRect(g + ok, QSize(44, 27)), 9, s.Colour("Color_F"), Qt::AlignCenter);
    const QPoint cancel = m.Image("MacroBtnS_01", s.At("InsertBtnCancel"), g);
    m.Text(s.Text("Str422"), QRect(g + cancel, QSize(44, 27)), 8, s.Colour("Color_F"),
           Qt::AlignCenter);
  } else {
    const QPoint g = s.At("DelayTime");
    const std::pair<const char*, const char*> options[] = {
        {"RecDelay", "Marco_Record_Delay"},
        {"DelaySetting", "Marco_Delay_Setting"},
        {"NoDelay", "Marco_No_Delay"},
        {"ReleaseStopEnter", "Marco_Stop_Enter"},
        {"ReleaseStopCount", "Marco_Stop_Count"}};
    const char* option_keys[] = {"Str837", "Str838", "Str839", "Str867", "Str868"};
    for (size_t i = 0; i < std::size(options); ++i) {
      m.Image(i == 0 || i == 3 ? "RdS_E" : "RdS_D", s.At(options[i].first), g);
      m.Label(options[i].second, s.Text(option_keys[i]), g);
    }
    for (const char* edit : {"DelayEdit", "EditStopCount"}) {
      m.Well(QRect(g + s.At(edit), QSize(56, 22)), s.Colour("Color_F_Back"),
             s.Colour("Color_F_LBorder"));
    }
    m.Label("Marco_MS", s.Text("Str840"), g);
  }
  m.Label("Marco_List", s.Text("Str834"));
  m.Label("Marco_Mouse_List", s.Text("Str835"));
  m.Label("Marco_Content", s.Text("Str836"));
  m.Chrome("Macro");
  return m.Finish();
}

QImage UpdatePage(const ImageSet& images, const Sources& s, int k) {
  Mock m(images, s, k);
  m.Image("Update", s.At("P5"));
  m.Text(s.Text("Str442"), QRect(s.At("lbl_BINPath"), QSize(300, 20)), s.Int("Size_I"),
         s.Colour("Color_I"));
  m.Text("C:\\Mouse\\KVRM4210C-Update.bin",
         QRect(s.At("lbl_LoadBin") + QPoint(0, 2), QSize(390, 20)), s.Int("Size_I"),
         s.Colour("Color_I"));
  for (const auto& [name, key] : {std::pair{"Btn_LoadBin", "Str440"}, {"Btn_Program", "Str441"}}) {
    const QPoint at =
        m.Image(std::string(name) == "Btn_Program" ? "KeyS_02" : "KeyS_01", s.At(name));
    m.Text(s.Text(key), QRect(at, QSize(150, 30)), s.Int("Size_I"), s.Colour("Color_I"),
           Qt::AlignCenter);
  }
  m.Chrome("Update");
  return m.Finish();
}

QImage FirePage(const ImageSet& images, const Sources& s, int k) {
  Mock m(images, s, k);
  m.Image(QString("L%1_Back5").arg(k), s.At("P6"));
  for (int n = 1; n <= 7; ++n) {
    const QPoint at = m.Image(QString("Gun%1_%2").arg(n).arg(n == 7 ? "02" : "01"),
                              s.At("Fire" + std::to_string(n)));
    m.Text(s.Text("Str60" + std::to_string(n - 1)), QRect(at + QPoint(0, 40), QSize(120, 16)), 7,
           s.Colour("Color_F"), Qt::AlignHCenter);
  }
  for (int n = 1; n <= 5; ++n)
    m.Image(QString("GunMode%1").arg(n), s.At("GunMode" + std::to_string(n)));
  const char* columns[] = {"FireCnt#", "FireX#",        "FireX#_Offset",
                           "FireY#",   "FireY#_Offset", "FireTime#"};
  const char* samples[] = {"10", "0", "0", "4", "1", "60"};
  for (int seg = 1; seg <= 3; ++seg) {
    for (size_t c = 0; c < std::size(columns); ++c) {
      const QPoint at = s.At(layout_keys::Numbered(columns[c], seg));
      m.Well(QRect(at, QSize(80, 22)), s.Colour("Color_J_Back"), s.Colour("Color_J_Border"));
      m.Text(samples[c], QRect(at, QSize(80, 22)), s.Int("Size_J"), s.Colour("Color_J_Font"),
             Qt::AlignCenter);
    }
    const QPoint colour = s.At("FireColor" + std::to_string(seg));
    m.Image("MacroBtnS_01", colour);
    m.Swatch(colour + QPoint(13, 4), QColor::fromHsv(seg * 100, 220, 255));
  }
  m.Image("CbS_E", s.At("IsHasLK"));
  const std::pair<const char*, const char*> labels[] = {
      {"Gun_Marco_Fire_Count", "Str841"}, {"Gun_Marco_Fire_X", "Str842"},
      {"Gun_Marco_X_Offset", "Str843"},   {"Gun_Marco_Fire_Y", "Str844"},
      {"Gun_Marco_Y_Offset", "Str845"},   {"Gun_Marco_Fire_Delay", "Str846"},
      {"Gun_Marco_Keep_Left", "Str847"},  {"Gun_Marco_Color", "Str869"}};
  for (const auto& [name, key] : labels) m.Label(name, s.Text(key));
  for (const auto& [name, key] : {std::pair{"FireConfirm", "Str620"}, {"FireCancel", "Str621"}}) {
    const QPoint at = m.Image("BtnS_01", s.At(name));
    m.Text(s.Text(key), QRect(at, QSize(100, 30)), s.Int("Size_A"), s.Colour("Color_A"),
           Qt::AlignCenter);
  }
  return m.Finish();
}

}  // namespace

QImage ContactSheet(const ImageSet& images) {
  constexpr int kCell = 230;
  constexpr int kColumns = 6;
  std::vector<const std::pair<const QString, QImage>*> small;
  for (const auto& entry : images) {
    if (entry.second.width() <= 220 && entry.second.height() <= 170) small.push_back(&entry);
  }
  const int rows = static_cast<int>((small.size() + kColumns - 1) / kColumns);
  QImage sheet(kColumns * kCell, rows * 200, QImage::Format_RGB32);
  sheet.fill(QColor(40, 40, 44));
  QPainter p(&sheet);
  QFont font("DejaVu Sans");
  font.setPointSize(8);
  p.setFont(font);
  for (size_t i = 0; i < small.size(); ++i) {
    const QPoint cell(static_cast<int>(i % kColumns) * kCell, static_cast<int>(i / kColumns) * 200);
    const QImage& image = small[i]->second;
    const QRect area(cell + QPoint(5, 5), QSize(220, 172));
    for (int y = 0; y < area.height(); y += 8) {
      for (int x = 0; x < area.width(); x += 8) {
        p.fillRect(QRect(area.topLeft() + QPoint(x, y), QSize(8, 8)),
                   ((x + y) / 8) % 2 ? QColor(24, 26, 30) : QColor(34, 36, 40));
      }
    }
    const int scale = image.width() <= 50 && image.height() <= 50 ? 3 : 1;
    const QSize shown = image.size() * scale;
    p.drawImage(QRect(area.center() - QPoint(shown.width() / 2, shown.height() / 2), shown), image);
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRect(cell.x(), cell.y() + 178, kCell, 20), Qt::AlignCenter,
               QString("%1 %2x%3").arg(small[i]->first).arg(image.width()).arg(image.height()));
  }
  return sheet;
}

std::map<int, QImage> PagePreviews(const ImageSet& images, const QString& rcdata, int k) {
  const Sources sources(rcdata, k);
  std::map<int, QImage> pages;
  pages[1] = KeyPage(images, sources, k);
  pages[2] = AdvancedPage(images, sources, k);
  pages[3] = LightingPage(images, sources, k);
  pages[4] = MacroPage(images, sources, k, false);
  pages[40] = MacroPage(images, sources, k, true);
  pages[5] = UpdatePage(images, sources, k);
  pages[6] = FirePage(images, sources, k);
  return pages;
}

}  // namespace kvrm::skins
