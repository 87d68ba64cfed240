#pragma once
// The cutting kit window's view of its sheets, one at a time, the sheet's length across:
// at first the whole length fits the view; Ctrl+wheel and the window's buttons zoom,
// the scroll bars move about.
#include <QScrollArea>
#include <vector>

#include "core/cutpart.h"
#include "core/nesting.h"

namespace serieswindows {

class KitPreview : public QScrollArea {
  Q_OBJECT
 public:
  explicit KitPreview(QWidget* parent = nullptr);

  void SetSheets(std::vector<core::CutLayout> sheets, core::SheetSize size);
  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  int Shown() const { return shown_; }  // from 0; -1 with no sheet
  void Show(int sheet);
  double Zoom() const { return zoom_; }
  void ZoomBy(double factor);  // 1 to 32 times the fitting size

  // Pixels to the millimetre at the present zoom.
  double PixelsPerMm() const;
  // The sheet and its parts as the view draws them, for the window to show the place.
  const std::vector<core::CutLayout>& Sheets() const { return sheets_; }

 signals:
  void Changed();  // another sheet or zoom

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  friend class SheetCanvas;
  void Resize();

  std::vector<core::CutLayout> sheets_;
  core::SheetSize size_;
  int shown_ = -1;
  double zoom_ = 1;
};

}  // namespace serieswindows
