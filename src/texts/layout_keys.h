#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The keys of the layout resources ORG1..ORG3: the reader, the pages and the
// tests all take their key names from these tables, so a layout file and the
// code that reads it cannot drift apart. In a name, "#" stands for the numbers
// 1..count of a numbered family.
namespace kvrm::layout_keys {

// A family of positions: name + "_X", "_Y" and, per letter after "XY" in
// parts, "_W", "_H" or "_D" (width, height, step distance).
struct PlaceFamily {
  std::string_view name;
  int count;  // 0: a single place without a number
  std::string_view parts;
};

// Text styles: Size_<id> and Color_<id>_R/_G/_B.
inline constexpr std::array<std::string_view, 7> kTextStyles = {"A", "B", "C", "E", "F", "G", "I"};
// The advanced page style has two colours; the fire macro page only a size.
inline constexpr std::string_view kAdvancedSize = "Size_D";
inline constexpr std::string_view kAdvancedSelectedColour = "Color_D_Selected";
inline constexpr std::string_view kAdvancedNotSelectedColour = "Color_D_notSelected";
inline constexpr std::string_view kFireMacroSize = "Size_J";

// Surface colours, each <name>_R/_G/_B, in the order of SurfaceColours.
inline constexpr std::array<std::string_view, 15> kSurfaceColours = {
    "Color_G_Back",   "Color_G_Border",  "Color_G_SF",   "Color_G_SP",     "Color_MACRO",
    "Color_F_LBack",  "Color_F_LBorder", "Color_F_Font", "Color_F_Back",   "Color_D_Back",
    "Color_D_Border", "Color_J_Font",    "Color_J_Back", "Color_J_Border", "Color_BG_Slider"};

// Header buttons: <key>_Enable, and <key>_X, <key>_Y when enabled. The caption
// label of a B-family button sits inset by Btn_Space_F and Btn_Space_B.
struct ChromeButtonKeys {
  std::string_view key;
  std::string_view name;  // Img_<name>_n and Btn_<name>_n
  bool inset_caption;
};
inline constexpr std::array<ChromeButtonKeys, 17> kChromeButtons = {{
    {"Btn_A2", "Confirm1", false},
    {"Btn_A3", "Confirm2", false},
    {"Btn_A5", "Confirm3", false},
    {"Btn_A4", "Exit", false},
    {"Btn_A6", "Mini", false},
    {"Btn_B1", "Main", true},
    {"Btn_B2", "Switch", true},
    {"Btn_B3", "Fixed", true},
    {"Btn_B4", "Adv", true},
    {"Btn_B5", "Breath", true},
    {"Btn_B11", "Macro", true},
    {"Btn_B12", "Update", true},
    {"Btn_B6", "Save", true},
    {"Btn_B7", "Load", true},
    {"Btn_B8", "Lang1", true},
    {"Btn_B9", "Lang2", true},
    {"Btn_B10", "Lang3", true},
}};
inline constexpr std::string_view kCaptionInsetFront = "Btn_Space_F";
inline constexpr std::string_view kCaptionInsetBack = "Btn_Space_B";

// Key page: switchable button labels and combo key items (_Enable, _X, _Y).
inline constexpr PlaceFamily kKeyButtons = {"Key#", 12, ""};
inline constexpr PlaceFamily kComboKeys = {"ComboKey#", 8, ""};
inline constexpr std::string_view kKeyWidth = "Key_Width";
inline constexpr std::string_view kComboTextOffsetX = "ComboxKey_X_Offset";
inline constexpr std::string_view kComboTextOffsetY = "ComboxKey_Y_Offset";
inline constexpr std::string_view kComboTextWidth = "Combox_Width";
inline constexpr std::string_view kComboFontSize = "Combox_Font_Size";
inline constexpr std::string_view kMainMenuWidth = "M_L_W";
inline constexpr std::string_view kSecondMenuWidth = "SP_L_W";
inline constexpr std::string_view kThirdMenuWidth = "O_L_W";

// Advanced and lighting page values.
inline constexpr std::string_view kDpiOrientation = "DPI_Orientation";
inline constexpr std::string_view kStepTimeWidth = "StepTime_Width";

// Lighting modes: the plain set, or the _4230 set for any IC type but 1.
inline constexpr int kLightingModeCount = 7;
inline constexpr PlaceFamily kLightingModes = {"LEDMode#", kLightingModeCount, "XY"};
inline constexpr PlaceFamily kLightingModes4230 = {"LEDMode#_4230", kLightingModeCount, "XY"};
inline constexpr PlaceFamily kLightingModeLabels = {"LED_Mode_#_Lable", kLightingModeCount, "XY"};
inline constexpr PlaceFamily kLightingModeLabels4230 = {"LED_Mode_#_4230_Lable", kLightingModeCount,
                                                        "XY"};
inline constexpr std::string_view kLightingModeLabelWidth = "LED_Mode_#_Lable_Width";
inline constexpr std::string_view kLightingOptionStyle = "LED_Mode_Option_Lable";  // _R/_G/_B/_Size
// Brightness labels: _X, _Y, _Size, _Width, in the option colour.
inline constexpr std::string_view kFullBrightnessLabel = "LED_Mode_Light_All_Lable";
inline constexpr std::string_view kHalfBrightnessLabel = "LED_Mode_Light_Half_Lable";

// Macro page values.
inline constexpr std::string_view kMacroNameHeight = "MacroNameHeight";
inline constexpr std::string_view kPcMacroPanelWidth = "Edit_PCMarco_Width";

// Every other position of the pages, in page order. Controls of the delay and
// insert groups are placed inside their group; all others inside their page.
inline constexpr PlaceFamily kPlaces[] = {
    // Key page bodies.
    {"P#", 6, "XY"},
    // Advanced page.
    {"FK#Cnt", 3, "XY"},
    {"FK#Delay", 3, "XY"},
    {"FK#Continue", 3, "XY"},
    {"Rep#", 4, "XY"},
    {"Spd", 0, "XYD"},
    {"DbSpd", 0, "XYD"},
    {"ScrSpd", 0, "XYD"},
    {"IsControl", 0, "XY"},
    {"IsScreen", 0, "XY"},
    {"DPI_Count", 0, "XY"},
    {"DPI#_Check", 8, "XY"},
    {"DPI#", 8, "XY"},
    {"DPI#_Value", 8, "XY"},
    {"DPI#_Steps", 8, "XYD"},
    {"DPI#_Color", 8, "XY"},
    {"AIMDPI", 0, "XY"},
    {"AIMDPI_Value", 0, "XY"},
    {"AIMDPI_Steps", 0, "XYD"},
    // Lighting page.
    {"StepTime", 0, "XYD"},
    {"LED3Control", 0, "XY"},
    {"LED6Control", 0, "XY"},
    {"LED_Color_#_Lable", 10, "XY"},
    // Macro page.
    {"PCMacroName", 0, "XYHW"},
    {"MacroContent", 0, "XYHW"},
    {"MseMacroName", 0, "XYHW"},
    {"BtnNew", 0, "XY"},
    {"BtnDelete", 0, "XY"},
    {"BtnAddMouse", 0, "XY"},
    {"BtnDeleteMouse", 0, "XY"},
    {"BtnStart", 0, "XY"},
    {"ReleaseStopEnter", 0, "XY"},
    {"ReleaseStopCount", 0, "XY"},
    {"EditStopCount", 0, "XY"},
    {"DelayTime", 0, "XYW"},
    {"RecDelay", 0, "XYH"},
    {"DelaySetting", 0, "XY"},
    {"DelayEdit", 0, "XY"},
    {"NoDelay", 0, "XY"},
    {"Insert", 0, "XY"},
    {"InsertList", 0, "XY"},
    {"InsertRecDelay", 0, "XYHD"},
    {"InsertDelayEdit", 0, "XY"},
    {"InsertAxisEdit", 0, "XY"},
    {"InsertBtnStart", 0, "XY"},
    {"InsertBtnOK", 0, "XY"},
    {"InsertBtnCancel", 0, "XY"},
    // Update page.
    {"lbl_BINPath", 0, "XY"},
    {"lbl_LoadBin", 0, "XY"},
    {"Btn_LoadBin", 0, "XY"},
    {"Btn_Program", 0, "XY"},
    // Fire macro page.
    {"Fire#", 7, "XY"},
    {"GunMode#", 5, "XY"},
    {"IsHasLK", 0, "XY"},
    {"FireCnt#", 3, "XY"},
    {"FireX#", 3, "XY"},
    {"FireX#_Offset", 3, "XY"},
    {"FireY#", 3, "XY"},
    {"FireY#_Offset", 3, "XY"},
    {"FireTime#", 3, "XY"},
    {"FireColor#", 3, "XY"},
    {"FireConfirm", 0, "XY"},
    {"FireCancel", 0, "XY"},
};

// Text labels of pages 2-6: <Name>_Lable_X, _Y, _R, _G, _B, _Size, _Width.
struct LabelFamily {
  std::string_view name;
  int count;
};
inline constexpr LabelFamily kLabels[] = {
    {"Fire_Key", 0},
    {"Fire_Key#", 3},
    {"Fire_Key_Count", 0},
    {"Fire_Key_Time", 0},
    {"Fire_Key_Continue", 0},
    {"Mouse_Speed", 0},
    {"Mouse_IsControl", 0},
    {"Mouse_Double_Click", 0},
    {"Mouse_Roller_Speed", 0},
    {"Mouse_Roll_All_Screen", 0},
    {"DPI_Setting", 0},
    {"DPI_Count", 0},
    {"DPI_Value", 0},
    {"Rating_Setting", 0},
    {"Rating_Value_#", 4},
    {"LED_Effect_Setting", 0},
    {"LED_Effect_Slow", 0},
    {"LED_Effect_Fast", 0},
    {"LED_Mode", 0},
    {"LED_Light", 0},
    {"LED_Color", 0},
    {"Marco_List", 0},
    {"Marco_Mouse_List", 0},
    {"Marco_Content", 0},
    {"Marco_Record_Delay", 0},
    {"Marco_Delay_Setting", 0},
    {"Marco_No_Delay", 0},
    {"Marco_MS", 0},
    {"Marco_Stop_Enter", 0},
    {"Marco_Stop_Count", 0},
    {"Gun_Marco_Fire_Count", 0},
    {"Gun_Marco_Fire_X", 0},
    {"Gun_Marco_X_Offset", 0},
    {"Gun_Marco_Fire_Y", 0},
    {"Gun_Marco_Y_Offset", 0},
    {"Gun_Marco_Fire_Delay", 0},
    {"Gun_Marco_Keep_Left", 0},
    {"Gun_Marco_Color", 0},
};

// The dialogs read their own keys when they open: a text style (size and
// colour), the font colour of the input box and their control positions.
struct DialogKeys {
  std::string_view style;        // Size_<style>, Color_<style>_R/_G/_B
  std::string_view edit_colour;  // <edit_colour>_R/_G/_B
  std::span<const PlaceFamily> places;
};
inline constexpr PlaceFamily kAssemblyKeyDialogPlaces[] = {
    {"AKT", 0, "XY"},    {"AKC", 0, "XYW"},     {"MK_C", 0, "XY"},
    {"MK_S", 0, "XY"},   {"MK_A", 0, "XY"},     {"MK_W", 0, "XY"},
    {"AK_Cfm", 0, "XY"}, {"AK_Clear", 0, "XY"}, {"AK_Close", 0, "XY"},
};
inline constexpr PlaceFamily kMacroNameDialogPlaces[] = {
    {"MNT", 0, "XY"},      {"MNC", 0, "XYW"},     {"MN_Cfm", 0, "XY"},
    {"MN_Clear", 0, "XY"}, {"MN_Close", 0, "XY"},
};
inline constexpr PlaceFamily kXyDialogPlaces[] = {
    {"NewX", 0, "XY"},        {"NewY", 0, "XY"},      {"NewXVal", 0, "XYW"},
    {"NewYVal", 0, "XYW"},    {"NewXY_Cfm", 0, "XY"}, {"NewXY_Clear", 0, "XY"},
    {"NewXY_Close", 0, "XY"},
};
// The assembly key dialog; the macro name dialog, whose layout the key and
// delay dialogs share (one input box each); the X/Y value dialog.
inline constexpr DialogKeys kAssemblyKeyDialog = {"K", "Color_K_AK", kAssemblyKeyDialogPlaces};
inline constexpr DialogKeys kMacroNameDialog = {"L", "Color_L_MN", kMacroNameDialogPlaces};
inline constexpr DialogKeys kXyDialog = {"M", "Color_M_XY", kXyDialogPlaces};
inline constexpr std::array<DialogKeys, 3> kDialogs = {kAssemblyKeyDialog, kMacroNameDialog,
                                                       kXyDialog};

// name with "#" replaced by n.
std::string Numbered(std::string_view name, int n);
// The names of a family: name itself, or its members 1..count.
std::vector<std::string> FamilyNames(std::string_view name, int count);
// The keys of one place: name_X, name_Y and the further parts.
std::vector<std::string> PlaceKeys(std::string_view name, std::string_view parts);

// Every key that the reader, the pages or a dialog may read from a layout
// section: both lighting position sets and the positions of every switchable
// element, whatever their _Enable keys say.
std::vector<std::string> AllLayoutKeys();

}  // namespace kvrm::layout_keys
