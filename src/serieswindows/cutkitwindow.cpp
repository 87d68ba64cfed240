#include "serieswindows/cutkitwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "commands/outputfolder.h"
#include "core/lengths.h"
#include "core/typednumber.h"
#include "core/plaintext.h"
#include "platform/desktop.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtpageoutput.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "serieswindows/kitpreview.h"
#include "serieswindows/kitsetupchoice.h"

namespace serieswindows {

namespace {

namespace fs = std::filesystem;

// A list asks for 256 x 192 px by default, which with the size boxes beside it and the
// set-up under it is more than a small screen at 1.5 holds; it still grows with the window.
class NarrowList : public QListWidget {
 public:
  using QListWidget::QListWidget;
  QSize sizeHint() const override { return {200, 110}; }
};

using platform::Q;
using platform::T;

// The folder the kit goes to: the last one while it is there; else a "kit" folder beside
// the series, or in the folder the program proposes for written files.
std::string StartFolder(const std::string& last, const std::string& summary, const core::RibDocument& d) {
  if (!summary.empty()) return (fs::path(summary).parent_path() / "kit").string();
  const std::string proposed = commands::ProposedOutputFolder(last, d);
  return proposed == last ? last : (fs::path(proposed) / "kit").string();
}

}  // namespace

CutKitWindow::CutKitWindow(const core::RibDocument& document, const std::string& summary, QWidget* parent)
    : QDialog(parent), document_(document), choices_(commands::LoadKitChoices()), unit_(document.settings.unitText) {
  setObjectName("frmkit");
  setWindowTitle(T(keys::KitCaption));
  // Tab walks the boxes in the order they are made here.
  QGroupBox* ribGroup = BuildRibGroup();
  CreateSizeBoxes(choices_.settings);
  QGridLayout* sizes = LayOutSizes(choices_.settings);
  QHBoxLayout* folderRow = BuildFolderRow(summary, ribGroup);
  QHBoxLayout* navigation = BuildNavigation();
  QHBoxLayout* writtenRow = BuildWrittenRow();
  QDialogButtonBox* buttons = BuildButtons();

  auto* top = new QHBoxLayout;
  top->addWidget(ribGroup, 1);
  top->addLayout(sizes);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(folderRow);
  layout->addWidget(preview_, 1);
  layout->addLayout(navigation);
  layout->addWidget(splitsArea_);
  layout->addLayout(writtenRow);
  layout->addWidget(buttons);

  ShowSheetPlace();
  if (!summary.empty()) {
    AddInput(summary);
    LayOut();
  }
}

QGroupBox* CutKitWindow::BuildRibGroup() {
  auto* ribGroup = new QGroupBox(T(keys::KitRibsFrame), this);
  ribs_ = new NarrowList(ribGroup);
  ribs_->setObjectName("lstribs");
  ribs_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ribs_->setMinimumWidth(140);
  auto* add = new QPushButton(T(keys::KitAddRibsButton), ribGroup);
  add->setObjectName("cmdadd");
  add->setAutoDefault(false);
  auto* remove = new QPushButton(T(keys::KitRemoveRibsButton), ribGroup);
  remove->setObjectName("cmdremove");
  remove->setAutoDefault(false);
  connect(add, &QPushButton::clicked, this, &CutKitWindow::AddRibs);
  connect(remove, &QPushButton::clicked, this, &CutKitWindow::RemoveRibs);
  auto* ribButtons = new QVBoxLayout;
  ribButtons->addWidget(add);
  ribButtons->addWidget(remove);
  ribButtons->addStretch();
  auto* ribRow = new QHBoxLayout;
  ribRow->addWidget(ribs_, 1);
  ribRow->addLayout(ribButtons);
  auto* ribLayout = new QVBoxLayout(ribGroup);
  ribLayout->addLayout(ribRow, 1);
  return ribGroup;
}

void CutKitWindow::CreateSizeBoxes(const commands::KitSettings& s) {
  // Lengths in the unit in force: inches with their fractions in inch mode.
  auto number = [this](const char* name, double value) {
    auto* box = new QLineEdit(value > 0 || std::string(name) != "txtthickness" ? Q(commands::KitNumberText(value, unit_))
                                                                             : QString(),
                              this);
    box->setObjectName(name);
    box->setMaximumWidth(80);
    new ribwindows::KeyFilter(box, Q(core::LengthKeys(unit_)));
    connect(box, &QLineEdit::textEdited, this, &CutKitWindow::Outdated);
    return box;
  };
  width_ = number("txtwidth", s.sheet.widthMm);
  length_ = number("txtlength", s.sheet.lengthMm);
  gap_ = number("txtgap", s.gapMm);
  kerf_ = number("txtkerf", s.cut.kerfMm);
  thickness_ = number("txtthickness", s.thicknessMm);
  kerf_->setToolTip(Q(platform::Text(keys::KerfTip)));
  format_ = new QComboBox(this);
  format_->setObjectName("cboformat");
  format_->addItems({"DXF R12", "DXF R2000", "SVG"});
  for (int i = 0; i < 3; ++i)
    if (FormatAt(i) == s.cut.format) format_->setCurrentIndex(i);
  // The format changes the files, not where the parts lie: the layout stays.
  copies_ = new QSpinBox(this);
  copies_->setObjectName("spncopies");
  copies_->setRange(1, commands::kMostKitCopies);
  copies_->setValue(1);
  copies_->setMaximumWidth(80);
  copies_->setToolTip(T(keys::KitCopiesTip));
  connect(copies_, &QSpinBox::valueChanged, this, &CutKitWindow::Outdated);
}

QGridLayout* CutKitWindow::LayOutSizes(const commands::KitSettings& s) {
  const bool inches = unit_ == " in";
  auto* sizes = new QGridLayout;
  const std::pair<QString, QWidget*> rows[] = {
      {T(inches ? keys::KitSheetWidthInchCaption : keys::KitSheetWidthCaption), width_},
      {T(inches ? keys::KitSheetLengthInchCaption : keys::KitSheetLengthCaption), length_},
      {T(inches ? keys::KitGapInchCaption : keys::KitGapCaption), gap_},
      {T(inches ? keys::KitKerfInchCaption : keys::KerfCaption), kerf_},
      {T(inches ? keys::KitThicknessInchCaption : keys::KitThicknessCaption), thickness_},
      {T(keys::KitCopiesCaption), copies_}};
  int row = 0;
  for (const auto& [caption, box] : rows) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(box);
    sizes->addWidget(label, row, 0);
    sizes->addWidget(box, row, 1);
    ++row;
  }
  // The name is engraved on every part; the template's caption ("Rib 3 - 25 deg") only
  // when asked for.
  caption_ = new QCheckBox(T(keys::KitEngraveCaptionCheck), this);
  caption_->setObjectName("chkcaption");
  caption_->setChecked(s.caption);
  connect(caption_, &QCheckBox::toggled, this, &CutKitWindow::Outdated);
  sizes->addWidget(caption_, row++, 0, 1, 2);
  strokedNames_ = new QCheckBox(T(keys::KitSingleStrokeNamesCheck), this);
  strokedNames_->setObjectName("chkstrokednames");
  strokedNames_->setChecked(s.strokedNames);
  connect(strokedNames_, &QCheckBox::toggled, this, &CutKitWindow::Outdated);
  sizes->addWidget(strokedNames_, row++, 0, 1, 2);
  sizes->setRowStretch(row, 1);
  return sizes;
}

// The folder row also makes the set-up choice, which goes under the ribs it shapes.
QHBoxLayout* CutKitWindow::BuildFolderRow(const std::string& summary, QGroupBox* ribGroup) {
  folder_ = new QLineEdit(Q(StartFolder(choices_.folder, summary, document_)), this);
  folder_->setObjectName("txtfolder");
  ribwindows::MakeShowOnly(folder_);  // filled by the browse button
  auto* browse = new QPushButton(Q(platform::Text(keys::BrowseTip)), this);
  browse->setObjectName("cmdbrowse");
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &CutKitWindow::ChooseFolder);
  // Under the ribs, which it shapes; the list gives it the room.
  setup_ = new KitSetupChoice(document_, this);
  connect(setup_, &KitSetupChoice::Changed, this, &CutKitWindow::Outdated);
  ribGroup->layout()->addWidget(setup_);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(T(keys::KitFolderCaption), this));
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(browse);
  // The format belongs with where the files go: it changes them, not the layout.
  auto* formatLabel = new QLabel(T(keys::KitFormatCaption), this);
  formatLabel->setBuddy(format_);
  folderRow->addSpacing(12);
  folderRow->addWidget(formatLabel);
  folderRow->addWidget(format_);
  return folderRow;
}

// The preview, and under it the sheet and zoom buttons, the figures and the splits.
QHBoxLayout* CutKitWindow::BuildNavigation() {
  preview_ = new KitPreview(this);
  auto tool = [this](const QString& text, platform::TextKey tip, const char* name) {
    auto* b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(T(tip));
    b->setObjectName(name);
    return b;
  };
  previous_ = tool("<", keys::KitPreviousSheetTip, "cmdprevious");
  next_ = tool(">", keys::KitNextSheetTip, "cmdnext");
  zoomOut_ = tool("-", keys::KitZoomOutTip, "cmdzoomout");
  zoomIn_ = tool("+", keys::KitZoomInTip, "cmdzoomin");
  connect(previous_, &QToolButton::clicked, this, [this] { preview_->Show(preview_->Shown() - 1); });
  connect(next_, &QToolButton::clicked, this, [this] { preview_->Show(preview_->Shown() + 1); });
  connect(zoomOut_, &QToolButton::clicked, this, [this] { preview_->ZoomBy(0.8); });
  connect(zoomIn_, &QToolButton::clicked, this, [this] { preview_->ZoomBy(1.25); });
  connect(preview_, &KitPreview::Changed, this, &CutKitWindow::ShowSheetPlace);
  sheetLabel_ = new QLabel(this);
  sheetLabel_->setObjectName("lblsheet");
  figures_ = new QLabel(this);
  figures_->setObjectName("lblfigures");
  figures_->setWordWrap(true);
  // A rib cut into pieces is told in red, by name, until the next layout.
  splits_ = new QLabel(this);
  splits_->setObjectName("lblsplits");
  splits_->setStyleSheet("color: rgb(192, 0, 0);");
  splits_->setWordWrap(true);
  splits_->hide();
  // A long panel's splits scroll in four lines rather than crushing the boxes above.
  splitsArea_ = new QScrollArea(this);
  splitsArea_->setWidget(splits_);
  splitsArea_->setWidgetResizable(true);
  splitsArea_->setFrameShape(QFrame::NoFrame);
  splitsArea_->setMaximumHeight(4 * splits_->fontMetrics().lineSpacing() + 4);
  splitsArea_->hide();
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous_);
  navigation->addWidget(sheetLabel_);
  navigation->addWidget(next_);
  navigation->addSpacing(12);
  navigation->addWidget(zoomOut_);
  navigation->addWidget(zoomIn_);
  navigation->addSpacing(12);
  navigation->addWidget(figures_, 1);
  return navigation;
}

// What the last write did stays in the window, which stays open for another size or format.
QHBoxLayout* CutKitWindow::BuildWrittenRow() {
  written_ = new QLabel(this);
  written_->setObjectName("lblwritten");
  written_->setWordWrap(true);
  written_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  openFolder_ = new QPushButton(T(keys::KitShowFolderButton), this);
  openFolder_->setObjectName("cmdopenfolder");
  openFolder_->setAutoDefault(false);
  connect(openFolder_, &QPushButton::clicked, this, [this] { platform::CurrentDesktop().OpenFolder(writtenFolder_); });
  auto* writtenRow = new QHBoxLayout;
  writtenRow->addWidget(written_, 1);
  writtenRow->addWidget(openFolder_);
  // The row is there from the start, so that nothing moves when a write fills it.
  openFolder_->setEnabled(false);
  return writtenRow;
}

QDialogButtonBox* CutKitWindow::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  layOut_ = buttons->addButton(T(keys::KitLayOutButton), QDialogButtonBox::ActionRole);
  layOut_->setObjectName("cmdlayout");
  // Enter in a box lays out again; writing is asked for by its own button only.
  layOut_->setDefault(true);
  write_ = buttons->addButton(T(keys::KitWriteButton), QDialogButtonBox::AcceptRole);
  write_->setObjectName("cmdwrite");
  write_->setAutoDefault(false);
  QPushButton* help = ribwindows::AddCloseAndHelp(buttons, this).help;
  connect(layOut_, &QPushButton::clicked, this, [this] { LayOut(); });
  connect(write_, &QPushButton::clicked, this, [this] { Write(); });
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicSeries); });
  return buttons;
}

void CutKitWindow::Run(const core::RibDocument& document, const std::string& summary, QWidget* parent) {
  CutKitWindow window(document, summary, parent);
  window.exec();
}

}  // namespace serieswindows
