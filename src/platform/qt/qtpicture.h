#pragma once
// Pictures of a drawing as PNG, SVG or PDF files, at true scale (1440 twips per inch).
#include <QColor>
#include <functional>
#include <string>

#include "platform/drawtarget.h"

namespace platform {

enum class PictureFormat { Png, Svg, Pdf };

// The format named by the file's extension (".png", ".svg", ".pdf", any case).
bool PictureFormatFromPath(const std::string& path, PictureFormat& format);

using Drawing = std::function<void(DrawTarget& target)>;

struct PictureExtent {
  double rightTwips = 0;   // the rightmost and lowest points that the drawing reaches
  double bottomTwips = 0;
};

// Runs `draw` on a target that paints nothing and returns how far its lines, circles and
// texts reach (texts measured in the target's font at true size).
PictureExtent MeasureDrawing(const Drawing& draw);

struct PictureRequest {
  double widthTwips = 0;
  double heightTwips = 0;
  double pngDpi = 96;        // a screen's pixel: 15 twips
  QColor background;         // painted by the target's Clear before `draw`
};

// Paints `draw` on a picture of the requested size and writes it to `path`. On failure
// returns false with a short reason in `error`.
bool WritePicture(const std::string& path, PictureFormat format, const PictureRequest& request,
                  const Drawing& draw, std::string& error);

}  // namespace platform
