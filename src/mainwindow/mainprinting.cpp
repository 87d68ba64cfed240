// Printing what the window shows: page set-up, print, preview.
#include "mainwindow/mainwindow.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "platform/errorreport.h"
#include "platform/pageoutput.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/qt/qtscreenfit.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "settingswindows/printwindow.h"

namespace mainwindow {

namespace {

// The preview opens as large as the screen's room, so that its tool bar shows whole; where
// even that is too narrow, its buttons get smaller until it does.
void FitPreviewToScreen(QPrintPreviewDialog& preview) {
  const QScreen* screen = preview.screen() ? preview.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  preview.setGeometry(QRect(room.topLeft(), room.size() - QSize(8, 32)).translated(4, 28));  // less its frame
  auto* bar = preview.findChild<QToolBar*>();
  if (!bar) return;
  const int margins = preview.layout() ? preview.layout()->contentsMargins().left() * 2 : 0;
  for (int side = bar->iconSize().width() - 4; side >= 12 && bar->sizeHint().width() > preview.width() - margins;
       side -= 4)
    bar->setIconSize(QSize(side, side));
}

// The short side of the printer's own paper, the height of a landscape sheet.
double PrinterPaperHeightMm() {
  const QSizeF size = platform::SharedPrinter().pageLayout().fullRect(QPageLayout::Millimeter).size();
  return std::min(size.width(), size.height());
}

}  // namespace

void MainWindow::SetComparedAirfoils(std::string first, std::string second) {
  comparedAirfoils_ = {std::move(first), std::move(second)};
}

commands::PrintRequest MainWindow::PrintRequestForView() const {
  commands::PrintRequest request;
  request.extras = commands::SheetExtrasWanted();
  const core::ViewState& v = document_.view;
  const std::pair<bool, SpecialView> order[] = {{v.compareShown, SpecialView::Comparison},
                                                {v.thicknessCamberShown, SpecialView::ThicknessCamber},
                                                {v.formerShown, SpecialView::Former}};
  std::vector<SpecialDrawing> active;
  for (const auto& [shown, kind] : order) {
    auto it = specialViews_.find(kind);
    if (shown && it != specialViews_.end() && it->second) active.push_back(it->second);
  }
  if (!active.empty()) {
    request.draw = [active](platform::DrawTarget& target, const core::ViewPlacement& at) {
      for (const SpecialDrawing& draw : active) draw(target, at);
    };
    request.lengthMm = document_.rib.chord.mm;
  }
  if (v.compareShown) request.airfoilNames = comparedAirfoils_;
  return request;
}

bool MainWindow::ShowPageSetup() {
  settingswindows::PrintWindow window(document_, PrinterPaperHeightMm(), this);
  return window.exec() == QDialog::Accepted;
}

void MainWindow::PrintView() {
  commands::Print(document_, PrintRequestForView(), platform::CurrentPrinter(), [this] { return ShowPageSetup(); });
}

void MainWindow::PreviewPrint() {
  const commands::PrintRequest request = PrintRequestForView();
  // The preview shows the sheets the print would send: set-up values that cannot print are
  // mended first, as the print itself asks.
  while (commands::PlanFor(document_, request).problem != core::TilingProblem::None)
    if (!ShowPageSetup()) return;
  commands::OfferFittingChordLine(document_, request);
  // A copy of the chosen printer, as for a print: nothing the preview leaves stays active.
  const std::unique_ptr<QPrinter> printer = platform::NewPrinterJob();
  const platform::DialogsFitTheScreen fitted;  // its page set-up and print dialogs too
  QPrintPreviewDialog preview(printer.get(), this);
  preview.setObjectName("PrintPreview");
  FitPreviewToScreen(preview);
  bool failed = false;
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &request, &failed](QPrinter* target) {
    platform::QtPageOutput output(*target);
    std::string error;
    if (!commands::SendSheets(document_, request, commands::PlanFor(document_, request), output, error) && !failed) {
      failed = true;
      platform::ReportGeneralError(" " + platform::MenuTitle(keys::PrintPreviewEntry),
                                   platform::ErrorInfo{platform::kErrDeviceIo, error});
    }
  });
  preview.exec();
}

}  // namespace mainwindow
