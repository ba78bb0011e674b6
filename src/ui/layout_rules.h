#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "texts/layout_config.h"
#include "ui/widgets/image_button.h"
#include "ui/widgets/step_bar.h"

namespace kvrm::ui {

// How the values of a layout reach the controls, family by family.

QColor ColourOf(const Rgb& rgb);

// A text style: font size (when given) and font colour; the family stays.
void ApplyTextStyle(QWidget& control, const TextStyle& style);
// The language's font family; size and colour stay.
void ApplyFontName(QWidget& control, const QString& family);
// The label family: position, font colour and size, width, and a height of
// twice the font size.
void ApplyLabelStyle(QWidget& label, const LabelStyle& style);

// A button with _Enable: shown at its place with the caption over the picture
// (inset by Btn_Space_F and Btn_Space_B for the page buttons), or hidden.
void ApplySwitchable(ImageButton& button, const Switchable& element, const Layout& layout,
                     bool inset_caption);

// A step scale: its steps from the scale's place outward (upward for a DPI row
// with DPI_Orientation 0), shown, and the slider hidden; or, with sliders, the
// steps hidden and the slider at the scale's place.
void ApplyStepScale(StepBar& steps, QWidget* slider, const Place& scale, bool upward,
                    bool use_slider);

}  // namespace kvrm::ui
