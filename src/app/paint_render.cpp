#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>

#include <QGuiApplication>

#include "cli.h"
#include "core/numformat.h"
#include "core/ribtrace.h"
#include "core/viewgeometry.h"
#include "files/captions.h"
#include "paint_start.h"
#include "platform/qt/qtdrawtarget.h"
#include "platform/qt/qtpicture.h"

namespace cli {

namespace {

constexpr double kMaxZoom = 10;
constexpr double kMaxPixels = 20000;  // a side of the image, at 96 dpi

}  // namespace

int Render(const Options& options, core::RibDocument& document) {
  const std::optional<OptionValues> given =
      ReadCommandOptions(options.args, {"render", WithRibOptions({{"-o"}, {"--zoom"}}), {}});
  if (!given) return kUsageError;
  const std::string out = given->Value("-o");
  const std::string zoomText = given->Value("--zoom");
  double zoom = 1;
  if (!zoomText.empty()) {
    zoom = core::LeadingNumber(zoomText);
    if (zoomText.find_first_not_of("1234567890.") != std::string::npos || !(zoom > 0) || zoom > kMaxZoom) {
      std::fprintf(stderr, "vandrell-cli: --zoom takes a factor above 0 and up to %g (1 is 100 %%)\n", kMaxZoom);
      return kUsageError;
    }
  }
  platform::PictureFormat format;
  if (out.empty() || !platform::PictureFormatFromPath(out, format)) return UsageError("render");
  Painting painting;

  if (int rc = LoadRibInput(*given, document)) return rc == kUsageError ? UsageError("render") : rc;

  // The main view at rest at this zoom.
  document.view.zoom = static_cast<float>(zoom);
  document.view.hScroll = 0;
  document.view.vScroll = 0;
  core::ViewPlacement at = core::PlaceView(document);
  const core::RibLabels labels = files::RibLabelsInLanguage();
  const platform::Drawing draw = [&](platform::DrawTarget& target) { core::DrawRib(document, at, labels, target); };
  platform::PictureExtent extent = platform::MeasureDrawing(draw);
  // What would reach above or left of the view's corner (an upside-down rib on tall tabs)
  // moves into the picture, which holds the whole rib.
  const double shiftX = extent.leftMm < 0 ? core::kViewLeftMarginMm - extent.leftMm : 0;
  const double shiftY = extent.topMm < 0 ? core::kViewLeftMarginMm - extent.topMm : 0;
  at.originX += shiftX;
  at.originY += shiftY;
  extent.rightMm += shiftX;
  extent.bottomMm += shiftY;

  platform::PictureRequest request;
  request.background = platform::ViewBackground();
  // As much room right of and below the rib as the view leaves left of it.
  request.widthMm = std::max(extent.rightMm, at.originX + at.chordMm) + core::kViewLeftMarginMm;
  request.heightMm = std::max(extent.bottomMm, at.originY) + core::kViewLeftMarginMm;
  if (request.widthMm * request.pngDpi / platform::kMmPerInch > kMaxPixels ||
      request.heightMm * request.pngDpi / platform::kMmPerInch > kMaxPixels) {
    char text[120];
    std::snprintf(text, sizeof text, "vandrell-cli: the picture would be wider or higher than %g pixels; lower the zoom",
                  kMaxPixels);
    return Refuse("too-large", text);
  }
  platform::ErrorInfo error;
  if (!platform::WritePicture(out, format, request, draw, error)) return WriteFailed(error);
  SayRibWarnings(document);
  return kDone;
}

}  // namespace cli
