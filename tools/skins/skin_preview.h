#pragma once

#include <QImage>
#include <QString>
#include <map>

namespace kvrm::skins {

// The drawn images by resource name, as they are written to resources/png.
using ImageSet = std::map<QString, QImage>;

// A contact sheet of every image on a checkerboard, with its name, for looking
// the skin over.
QImage ContactSheet(const ImageSet& images);

// Mock-ups of the pages of layout k: the skin images placed where the layout
// ORGk in rcdata puts them, captioned from the language LANGk, so that a look
// shows whether layout and skin agree. Page 1..6 as the containers gbPage1..6.
std::map<int, QImage> PagePreviews(const ImageSet& images, const QString& rcdata, int k);

}  // namespace kvrm::skins
