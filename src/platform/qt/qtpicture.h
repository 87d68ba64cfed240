#pragma once
// Pictures of a drawing as PNG, SVG or PDF files, at true scale.
#include <QColor>
#include <functional>
#include <string>

#include "platform/drawtarget.h"
#include "platform/errorreport.h"

namespace platform {

enum class PictureFormat { Png, Svg, Pdf };

// The format named by the file's extension (".png", ".svg", ".pdf", any case).
bool PictureFormatFromPath(const std::string& path, PictureFormat& format);

using Drawing = std::function<void(DrawTarget& target)>;

// How far a drawing reaches, millimetres from the picture's top-left corner (left and top are
// negative where it reaches beyond that corner).
struct PictureExtent {
  double leftMm = 0;
  double topMm = 0;
  double rightMm = 0;
  double bottomMm = 0;
};

// Runs `draw` on a target that paints nothing and returns how far its lines, circles and
// texts reach (texts measured in the target's font at true size). A drawing of nothing
// reaches (0, 0) only.
PictureExtent MeasureDrawing(const Drawing& draw);

struct PictureRequest {
  double widthMm = 0;
  double heightMm = 0;
  double pngDpi = 96;        // a screen's pixel
  QColor background;         // painted by the target's Clear before `draw`
};

// Paints `draw` on a picture of the requested size and writes it to `path` whole or not at
// all (platform::WriteFileAtomically). On failure returns false with the general error
// report's number and text in `error` (a refusal, such as a folder as `path`, included).
bool WritePicture(const std::string& path, PictureFormat format, const PictureRequest& request,
                  const Drawing& draw, ErrorInfo& error);

}  // namespace platform
