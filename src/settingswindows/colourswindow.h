#pragma once
// The colours and line-styles window: a colour, a line style and (for most elements) a
// width per drawn element, beside the palette chart; the test page shows the chart on a
// page. OK stores only boxes that are all within their limits.
#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>

#include "core/ribdocument.h"
#include "platform/drawtarget.h"
#include "settingswindows/coloursettings.h"

class QLineEdit;
class QPushButton;

namespace settingswindows {

// A widget that paints a drawing, in millimetres at true size, on a white ground.
class TrueScalePicture : public QWidget {
  Q_OBJECT
 public:
  using Drawing = std::function<void(platform::DrawTarget&)>;
  TrueScalePicture(double widthMm, double heightMm, Drawing drawing, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double widthMm_;
  double heightMm_;
  Drawing drawing_;
};

// The test page on screen, at full size; with a document, its Print button sends the page
// to the printer through the print command (one sheet, on the paper of the page set-up).
class TestPagePreview : public QDialog {
  Q_OBJECT
 public:
  TestPagePreview(const std::string& versionText, QWidget* parent = nullptr, core::RibDocument* document = nullptr);
  QPushButton* PrintButton() const { return printButton_; }

 private:
  QPushButton* printButton_ = nullptr;
};

class ColoursWindow : public QDialog {
  Q_OBJECT
 public:
  ColoursWindow(core::RibDocument& document, QWidget* parent = nullptr);

  StyleBoxes Boxes() const;
  QLineEdit* ColourBox(core::Element e) const { return colour_[static_cast<std::size_t>(e)]; }
  QLineEdit* LineStyleBox(core::Element e) const { return lineStyle_[static_cast<std::size_t>(e)]; }
  QLineEdit* WidthBox(int row) const { return width_[static_cast<std::size_t>(row)]; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }
  QPushButton* TestPageButton() const { return testPageButton_; }

 private:
  void Store();
  void ShowTestPage();

  core::RibDocument& document_;
  std::array<QLineEdit*, core::kElementCount> colour_{};
  std::array<QLineEdit*, core::kElementCount> lineStyle_{};
  std::array<QLineEdit*, core::kWidthCount> width_{};
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  QPushButton* helpButton_;
  QPushButton* testPageButton_;
};

}  // namespace settingswindows
