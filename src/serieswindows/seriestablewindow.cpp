#include "serieswindows/seriestablewindow.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/lengths.h"
#include "core/numformat.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/windowplace.h"

namespace serieswindows {

namespace {
using platform::Q;
using platform::T;
constexpr const char* kPlaceKey = "SeriesTable";
}  // namespace

std::string SeriesPositionText(const files::SeriesJob& job, const core::SeriesRib& rib) {
  if (job.thicknessMm.empty()) return core::ScreenNumberText(core::FormatNumber(rib.fraction * 100, "##0.##")) + " %";
  return core::LengthToText(static_cast<float>(rib.positionMm), job.unitText) + job.unitText;
}

SeriesTableWindow::SeriesTableWindow(const files::SeriesJob& job, std::vector<std::string> paths,
                                     std::function<bool(const std::string&)> open, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)), open_(std::move(open)) {
  setObjectName("frmSeriesTable");
  setWindowTitle(T(keys::SeriesTableCaption));
  table_ = new QTableWidget(static_cast<int>(job.ribs.size()), 4, this);
  table_->setObjectName("TableSeries");
  table_->setHorizontalHeaderLabels({T(keys::SeriesRibNumberColumn), T(keys::SeriesPositionColumn),
                                     T(keys::SeriesChordColumn), T(keys::SeriesFileColumn)});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  for (std::size_t i = 0; i < job.ribs.size(); ++i) {
    const core::SeriesRib& rib = job.ribs[i];
    const int row = static_cast<int>(i);
    auto cell = [this, row](int column, const std::string& text, bool right) {
      auto* item = new QTableWidgetItem(Q(text));
      if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    };
    cell(0, std::to_string(rib.number), true);
    cell(1, SeriesPositionText(job, rib), true);
    cell(2, core::FormatNumber(rib.chordMm, "# ###0.00"), true);
    cell(3, files::RibFileName(job, rib.number), false);
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  if (!job.ribs.empty()) table_->selectRow(0);

  auto* buttons = new QDialogButtonBox(this);
  openButton_ = buttons->addButton(T(keys::SeriesOpenSelectedButton), QDialogButtonBox::ActionRole);
  openButton_->setObjectName("cmdouvrir");
  openButton_->setDefault(true);
  nextButton_ = buttons->addButton(T(keys::SeriesOpenNextButton), QDialogButtonBox::ActionRole);
  nextButton_->setObjectName("cmdsuivant");
  nextButton_->setAutoDefault(false);
  QPushButton* close = buttons->addButton(Q(platform::Text(keys::CloseButton)), QDialogButtonBox::RejectRole);
  close->setObjectName("cmdfermer");
  close->setAutoDefault(false);
  connect(openButton_, &QPushButton::clicked, this, &SeriesTableWindow::OpenSelected);
  connect(nextButton_, &QPushButton::clicked, this, &SeriesTableWindow::OpenNext);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { OpenSelected(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(520, 420);
}

SeriesTableWindow* SeriesTableWindow::Show(const files::SeriesJob& job, std::vector<std::string> paths,
                                           std::function<bool(const std::string&)> open, QWidget* owner) {
  if (owner)
    for (SeriesTableWindow* shown : owner->findChildren<SeriesTableWindow*>(QString(), Qt::FindDirectChildrenOnly))
      shown->close();
  auto* w = new SeriesTableWindow(job, std::move(paths), std::move(open), owner);
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->setModal(false);
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

void SeriesTableWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_) return;
  placed_ = true;
  ribwindows::PlaceWindow(this, parentWidget(), kPlaceKey);
}

void SeriesTableWindow::reject() { close(); }

void SeriesTableWindow::closeEvent(QCloseEvent* event) {
  if (placed_) ribwindows::KeepPlace(kPlaceKey, geometry().topLeft());
  event->accept();
}

void SeriesTableWindow::OpenSelected() {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(paths_.size()) || !open_) return;
  open_(paths_[static_cast<std::size_t>(row)]);
}

void SeriesTableWindow::OpenNext() {
  const int row = table_->currentRow();
  if (row + 1 >= table_->rowCount() || row + 1 >= static_cast<int>(paths_.size()) || !open_) return;
  if (open_(paths_[static_cast<std::size_t>(row + 1)])) table_->selectRow(row + 1);
}

}  // namespace serieswindows
