#pragma once

#include <string>
#include <string_view>

// The PNG skin images the window loads, with the size each must have. The
// skin generator draws them from this table and the tests check the embedded
// images against it.
namespace kvrm::skin_images {

struct SkinImage {
  std::string_view name;
  int width;
  int height;
};

// The maroon that the window declares transparent: every pixel of exactly this
// colour in the background image is see-through.
inline constexpr int kTransparentRed = 128;
inline constexpr int kTransparentGreen = 0;
inline constexpr int kTransparentBlue = 0;

inline constexpr int kWindowWidth = 1030;
inline constexpr int kWindowHeight = 662;

// Images of layout k are named "L<k>_" + stem; the language choice picks them.
inline constexpr SkinImage kLayoutImages[] = {
    {"BackGround", kWindowWidth, kWindowHeight},  // window background, all Img_Base_n
    {"Back1", 982, 464},                          // Img_P1: key page, the mouse
    {"Back2", 982, 464},                          // Img_P2: advanced page
    {"Back3", 982, 464},                          // Img_P3: lighting page
    {"Back4", 982, 464},                          // Img_P4: macro page
    {"Back5", 982, 464},                          // Img_P6: fire macro page
};

// Images shared by all layouts; a family's states differ only in the suffix
// (_01 normal, _02 hover, _03 pressed or selected; _D off, _E on).
inline constexpr SkinImage kSharedImages[] = {
    {"Update", 540, 102},
    {"SetS_01", 100, 30},
    {"SetS_02", 100, 30},
    {"SetS_03", 100, 30},
    {"BtnS_01", 100, 30},
    {"BtnS_02", 100, 30},
    {"BtnS_03", 100, 30},
    {"ExitS_01", 34, 33},
    {"ExitS_02", 34, 33},
    {"ExitS_03", 34, 33},
    {"MiniS_01", 34, 33},
    {"MiniS_02", 34, 33},
    {"MiniS_03", 34, 33},
    {"WebS_01", 200, 66},
    {"WebS_02", 200, 66},
    {"WebS_03", 200, 66},
    {"KeyS_01", 150, 30},
    {"KeyS_02", 150, 30},
    {"KeyS_03", 150, 30},
    {"MacroS_01", 90, 25},
    {"MacroS_02", 90, 25},
    {"MacroS_03", 90, 25},
    {"MacroBtnS_01", 44, 27},
    {"MacroBtnS_02", 44, 27},
    {"MacroBtnS_03", 44, 27},
    {"CbS_D", 16, 16},
    {"CbS_E", 16, 16},
    {"RdS_D", 15, 15},
    {"RdS_E", 15, 15},
    {"Bar1_D", 26, 18},
    {"Bar1_E", 26, 18},
    {"Bar2_D", 20, 16},
    {"Bar2_E", 20, 16},
    {"Col_F", 18, 18},
    {"Gun1_01", 120, 56},
    {"Gun1_02", 120, 56},
    {"Gun2_01", 120, 56},
    {"Gun2_02", 120, 56},
    {"Gun3_01", 120, 56},
    {"Gun3_02", 120, 56},
    {"Gun4_01", 120, 56},
    {"Gun4_02", 120, 56},
    {"Gun5_01", 120, 56},
    {"Gun5_02", 120, 56},
    {"Gun6_01", 120, 56},
    {"Gun6_02", 120, 56},
    {"Gun7_01", 120, 56},
    {"Gun7_02", 120, 56},
    {"GunMode1", 42, 42},
    {"GunMode2", 47, 47},
    {"GunMode3", 52, 52},
    {"GunMode4", 57, 57},
    {"GunMode5", 62, 62},
    {"InsertDelayBase", 207, 162},
    {"InsertKeyBase", 207, 162},
    {"InsertXYBase", 207, 162},
    {"Slider_Thumb", 25, 25},
    {"Slider_Ruler", 25, 25},
    {"Msg", 360, 200},                  // background of every dialog
    {"EngineerBackGround", 1256, 680},  // engineer page frame
    {"EngineerClose", 15, 15},          // Btn_Close of the engineer page
    {"EngineerResult", 40, 40},         // Img_Result after a factory reset
};

inline std::string LayoutImageName(int k, std::string_view stem) {
  return "L" + std::to_string(k) + "_" + std::string(stem);
}

}  // namespace kvrm::skin_images
