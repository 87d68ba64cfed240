#include "toolwindows/ribsheetwindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "commands/printcommand.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/toolviews.h"
#include "platform/help.h"
#include "platform/pageoutput.h"
#include "platform/messages.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "ribwindows/labelroom.h"

namespace toolwindows {

using platform::Text;
using ribwindows::Q;

namespace {

constexpr double kTopMm = 15, kLineMm = 5;

// The key of each box's caption.
constexpr platform::TextKey kCaptionKeys[] = {keys::RootChordLabel,          keys::TipChordLabel,
                                              keys::IntermediateRibCountLabel, keys::SpanLabel,
                                              keys::RootSecondValueLabel,    keys::TipSecondValueLabel,
                                              keys::MaterialThicknessLabel};

std::string InUnit(double mm, const std::string& unitText) {
  const double value = unitText == " in" ? mm / core::kMmPerInch : mm;
  return core::ScreenNumberText(core::FormatNumber(value, "# ###.###"));
}

// The sentences beside the free space: how many ribs the span holds when they do not fit,
// and that the count was cut down.
std::vector<std::string> Notes(const core::RibSheet& s) {
  std::vector<std::string> notes;
  if (s.freeSpacing < 0)
    notes.push_back(s.ribsThatFit >= 0 ? Text(keys::RibsOverlap) + " " + std::to_string(s.ribsThatFit)
                                       : Text(keys::RootAndTipDoNotFit));
  if (s.countLimited)
    notes.push_back(Text(keys::TooManyIntermediateRibs) + " " + std::to_string(core::kMostIntermediateRibs));
  return notes;
}

// The boxes as the last rib sheet of the session left them, with the unit they were typed in.
struct KeptRibSheet {
  std::string unit;
  std::array<QString, 7> texts;
};

KeptRibSheet& KeptSheet() {
  static KeptRibSheet kept;
  return kept;
}

}  // namespace

void ForgetRibSheetEntries() { KeptSheet() = {}; }

RibSheetWindow::RibSheetWindow(const core::RibDocument& document, QWidget* parent)
    : QDialog(parent), document_(document) {
  setObjectName("frmnervure");
  setWindowTitle(Q(Text(keys::RibSheetCaption)));
  const std::string& unit = document_.settings.unitText;
  const QString lengthKeys = Q(core::LengthKeys(unit));
  auto* layout = new QVBoxLayout(this);
  // In the window before the boxes are made, so that they come first in the Tab order and
  // the root chord's box has the focus on opening.
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  for (int i = 0; i < 7; ++i) {
    const bool count = i == RibCount;
    boxes_[static_cast<std::size_t>(i)] =
        ribwindows::AddCaptionedBox(grid, i, QString("txtnerv%1").arg(i),
                                    Text(kCaptionKeys[i]) + (count ? std::string() : unit), std::string(),
                                    count ? QString("1234567890") : lengthKeys)
            .box;
  }
  auto* spacingCaption = new QLabel(Q(Text(keys::FreeSpacingLabel) + unit), this);
  spacing_ = new QLabel(this);
  spacing_->setObjectName("Lblecart");
  grid->addWidget(spacingCaption, 7, 0);
  grid->addWidget(spacing_, 7, 1);
  note_ = new QLabel(this);
  note_->setObjectName("lblNote");
  note_->setWordWrap(true);
  // Room for both notes from the start: the window does not grow under the table when they come.
  auto* noteRoom = new ribwindows::LabelRoom(this);
  noteRoom->Add(note_);
  noteRoom->Reserve({Q(Text(keys::RibsOverlap) + " 99999\n" + Text(keys::TooManyIntermediateRibs) + " " +
                       std::to_string(core::kMostIntermediateRibs)),
                     Q(Text(keys::RootAndTipDoNotFit) + "\n" + Text(keys::TooManyIntermediateRibs) + " " +
                       std::to_string(core::kMostIntermediateRibs))});

  list_ = new QTableWidget(0, 3, this);
  list_->setObjectName("PicNervures");
  list_->setHorizontalHeaderLabels({Q(Text(keys::RibNumberHeading)), Q(Text(keys::ChordLabel)),
                                    Q(Text(keys::SecondValueHeading))});
  list_->verticalHeader()->setVisible(false);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // As tall as the room left: the window asks for no more than the list's least height.
  list_->setMinimumHeight(140);
  list_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  list_->setToolTip(Q(Text(keys::RibListHeading)));

  auto* buttons = new QDialogButtonBox(this);
  compute_ = buttons->addButton(Q(Text(keys::ComputeButton)), QDialogButtonBox::ActionRole);
  compute_->setObjectName("cmdcalcul");
  compute_->setDefault(true);
  print_ = buttons->addButton(Q(Text(keys::RibSheetPrintButton)), QDialogButtonBox::ActionRole);
  print_->setObjectName("cmdprintnerv");
  print_->setEnabled(false);
  print_->setAutoDefault(false);
  QPushButton* help = ribwindows::AddCloseAndHelp(buttons, this).help;
  connect(compute_, &QPushButton::clicked, this, [this] { Compute(); });
  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicAirfoilTools); });

  // Lengths typed in another unit would be read wrongly: those start blank.
  if (KeptSheet().unit != unit) KeptSheet() = {unit, {}};
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setText(KeptSheet().texts[i]);
    connect(boxes_[i], &QLineEdit::textChanged, this, [i](const QString& text) { KeptSheet().texts[i] = text; });
  }

  layout->addWidget(noteRoom);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
}

void RibSheetWindow::Compute() {
  list_->setRowCount(0);
  spacing_->clear();
  note_->clear();
  print_->setEnabled(false);
  const std::string& unit = document_.settings.unitText;
  auto mm = [&](Box b) { return static_cast<double>(core::LengthFromText(BoxAt(b)->text().toStdString(), unit)); };
  core::RibSheetInput in;
  in.rootChord = mm(RootChord);
  in.tipChord = mm(TipChord);
  in.ribCountText = BoxAt(RibCount)->text().toStdString();
  in.span = mm(Span);
  in.secondAtRoot = mm(SecondAtRoot);
  in.secondAtTip = mm(SecondAtTip);
  in.material = mm(Material);
  sheet_ = core::ComputeRibSheet(in);
  const std::string title = windowTitle().toStdString();
  auto refuse = [&](const std::string& text, Box b) {
    platform::Inform(text, title, platform::BoxIcon::Exclamation);
    BoxAt(b)->setFocus();
    BoxAt(b)->selectAll();
  };
  switch (sheet_.check) {
    case core::RibSheetCheck::RootZero: refuse(Text(keys::RootChordZero) + " 0", RootChord); return;
    case core::RibSheetCheck::TipZero: refuse(Text(keys::TipChordZero), TipChord); return;
    case core::RibSheetCheck::TipLarger: refuse(Text(keys::TipChordLargerThanRoot), TipChord); return;
    case core::RibSheetCheck::CountMissing: refuse(Text(keys::NoRibCount), RibCount); return;
    case core::RibSheetCheck::Ok: break;
  }
  BoxAt(RibCount)->setText(QString::number(sheet_.intermediateRibs));
  spacing_->setText(Q(InUnit(sheet_.freeSpacing, unit)));
  QStringList notes;
  for (const std::string& note : Notes(sheet_)) notes << Q(note);
  note_->setText(notes.join("\n"));
  list_->setColumnHidden(2, !sheet_.hasSecondValue);
  list_->setRowCount(static_cast<int>(sheet_.rows.size()));
  for (std::size_t r = 0; r < sheet_.rows.size(); ++r) {
    const std::vector<std::string> cells = core::RibSheetRowTexts(sheet_.rows[r], sheet_.hasSecondValue, unit);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(Q(cells[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      list_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  print_->setEnabled(true);
}

std::vector<std::vector<std::vector<std::string>>> RibSheetWindow::PrintedPages(std::size_t linesPerPage) const {
  linesPerPage = std::max<std::size_t>(linesPerPage, 1);
  const std::string& unit = document_.settings.unitText;
  std::vector<std::vector<std::string>> head;
  head.push_back({Text(keys::RibSheetPrintTitle)});
  head.push_back({document_.airfoil.name.empty() ? std::string("NoName") : document_.airfoil.name});
  head.push_back({});
  for (int i = 0; i < 7; ++i) {
    if ((i == SecondAtRoot || i == SecondAtTip) && !sheet_.hasSecondValue) continue;
    const std::string value = BoxAt(static_cast<Box>(i))->text().toStdString();
    head.push_back({Text(kCaptionKeys[i]) + " : " + value + (i == RibCount ? std::string() : unit)});
  }
  head.push_back({Text(keys::FreeSpacingLabel) + " = " + InUnit(sheet_.freeSpacing, unit) + unit});
  for (const std::string& note : Notes(sheet_)) head.push_back({note});
  head.push_back({});
  std::vector<std::vector<std::vector<std::string>>> pages{head};
  for (std::size_t r = 0; r < sheet_.rows.size(); ++r) {
    if (pages.back().size() >= linesPerPage) pages.emplace_back();
    std::vector<std::string> cells = core::RibSheetRowTexts(sheet_.rows[r], sheet_.hasSecondValue, unit);
    cells[0] = "N° " + cells[0];
    pages.back().push_back(std::move(cells));
  }
  return pages;
}

bool RibSheetWindow::Print() {
  if (ribwindows::ShowUnreadableBox(this)) return false;
  if (sheet_.rows.empty()) return false;
  platform::PageOutput& printer = platform::CurrentPrinter();
  if (!printer.ChooseDestination()) return false;
  std::string error;
  // As File > Print tells its outcome: the PDF written, or the file and cause of a failure.
  auto failed = [&] { return commands::TellPrintOutcome(printer, false, error); };
  platform::SheetPaper paper;
  paper.printerPaper = true;
  if (!printer.Begin(paper, error)) return failed();
  // Whole lines between the top margin and as much again at the foot.
  const auto lines = static_cast<std::size_t>(std::max(1.0, (printer.SheetHeightMm() - 2 * kTopMm) / kLineMm));
  const auto pages = PrintedPages(lines);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !printer.NewSheet(error)) {
      std::string ignored;
      printer.End(ignored);
      return failed();
    }
    core::DrawTextRows(pages[p], 20, kTopMm, kLineMm, 30, 10, printer.Sheet());
  }
  const bool ended = printer.End(error);
  return commands::TellPrintOutcome(printer, ended, error);
}

}  // namespace toolwindows
