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
std::string Trimmed(const QString& s) { return s.trimmed().toStdString(); }

constexpr output::CutFormat kFormats[3] = {output::CutFormat::DxfR12, output::CutFormat::DxfR2000,
                                           output::CutFormat::Svg};

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
    if (kFormats[i] == s.cut.format) format_->setCurrentIndex(i);
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
  folder_->setReadOnly(true);  // filled by the browse button
  QPalette shown = folder_->palette();
  shown.setColor(QPalette::Base, shown.color(QPalette::Window));
  folder_->setPalette(shown);
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

std::vector<std::string> CutKitWindow::Inputs() const {
  std::vector<std::string> paths;
  for (int i = 0; i < ribs_->count(); ++i) paths.push_back(ribs_->item(i)->data(Qt::UserRole).toString().toStdString());
  return paths;
}

void CutKitWindow::AddInput(const std::string& path) {
  // Summaries and rib files together: each summary is a panel, named by its place.
  for (const std::string& h : Inputs())
    if (h == path) return;
  auto* item = new QListWidgetItem(Q(fs::path(path).filename().string()), ribs_);
  item->setData(Qt::UserRole, Q(path));
  item->setToolTip(Q(path));
  Outdated();
}

void CutKitWindow::AddRibs() {
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::KitRibFileTitle);
  request.filter = platform::Text(keys::KitRibFileFilter) + " (*.txt *.dat)|*.txt;*.dat|";
  const std::vector<std::string> held = Inputs();
  request.initialDir = held.empty() ? document_.settings.seriesAirfoilDir : fs::path(held.back()).parent_path().string();
  std::string path;
  if (!platform::CurrentFileDialogs().Open(request, path)) return;
  AddInput(path);
}

void CutKitWindow::RemoveRibs() {
  qDeleteAll(ribs_->selectedItems());
  Outdated();
}

void CutKitWindow::ChooseFolder() {
  std::string folder = Trimmed(folder_->text());
  if (!platform::CurrentFileDialogs().BrowseForFolder(platform::Text(keys::KitFolderTitle), folder)) return;
  folder_->setText(Q(folder));
}

std::optional<commands::KitSettings> CutKitWindow::SettingsFromBoxes() {
  commands::KitBoxTexts texts{Trimmed(width_->text()), Trimmed(length_->text()), Trimmed(gap_->text()),
                              Trimmed(kerf_->text()), kFormats[std::max(0, format_->currentIndex())],
                              Trimmed(thickness_->text()), unit_};
  commands::KitBoxRefusal refusal;
  std::optional<commands::KitSettings> settings = commands::KitSettingsFromBoxes(texts, refusal);
  if (settings) {
    settings->copies = copies_->value();
    settings->check = document_.print;
  }
  if (settings) {
    settings->caption = caption_->isChecked();
    settings->strokedNames = strokedNames_->isChecked();
  }
  if (!settings) {
    // The window stays on the box to be corrected.
    platform::Inform(refusal.why, Trimmed(windowTitle()), platform::BoxIcon::Exclamation);
    QLineEdit* box = refusal.box == commands::KitBox::Width    ? width_
                     : refusal.box == commands::KitBox::Length ? length_
                     : refusal.box == commands::KitBox::Gap    ? gap_
                     : refusal.box == commands::KitBox::Kerf   ? kerf_
                                                                : thickness_;
    box->setFocus();
    box->selectAll();
  }
  return settings;
}

bool CutKitWindow::LayOut() {
  std::optional<commands::KitSettings> settings = SettingsFromBoxes();
  if (!settings) return false;
  plan_.reset();
  preview_->SetSheets({}, settings->sheet);
  core::RibDocument templateRib;
  if (std::optional<commands::KitRefusal> refused = setup_->Template(templateRib)) {
    ShowFigures(commands::KitRefusalWords(*refused));
    return false;
  }
  commands::KitRibList ribs = commands::KitRibsOf(Inputs(), templateRib.rib.chord.mm);
  if (ribs.refusal) {
    // An empty list is no file's fault.
    if (Inputs().empty()) ribs.refusal->subject.clear();
    ShowFigures(commands::KitRefusalWords(*ribs.refusal));
    return false;
  }
  commands::KitPlan plan;
  {
    platform::BusyPointer busy;
    plan = commands::PlanKit(templateRib, ribs.ribs, *settings);
  }
  if (plan.refusal) {
    ShowFigures(commands::KitRefusalWords(*plan.refusal));
    return false;
  }
  planned_ = *settings;
  preview_->SetSheets(commands::KitSheets(plan, settings->strokedNames), settings->sheet);
  plan_ = std::move(plan);
  ShowFigures();
  return true;
}

bool CutKitWindow::Write() {
  if (!plan_ && !LayOut()) return false;
  const std::string folder = Trimmed(folder_->text());
  if (folder.empty()) {
    platform::Inform(platform::Text(keys::KitNoFolder), Trimmed(windowTitle()), platform::BoxIcon::Exclamation);
    return false;
  }
  // An earlier kit in the folder is replaced whole, or not at all.
  const bool earlier = !commands::KitFilesIn(folder).empty();
  if (earlier) {
    platform::BoxRequest box;
    box.text = platform::Text(keys::KitReplaceEarlier) + "\n" + folder;
    box.title = Trimmed(windowTitle());
    box.icon = platform::BoxIcon::Question;
    box.buttons = platform::BoxButtons::YesNo;
    box.defaultButton = 2;
    if (platform::CurrentMessages().Show(box) != platform::BoxAnswer::Yes) return false;
  }
  planned_.cut.format = kFormats[std::max(0, format_->currentIndex())];
  commands::KitWriteResult written;
  platform::ReadOnlyFiles readOnly = platform::ReadOnlyFiles::Refuse;
  while (true) {
    {
      platform::BusyPointer busy;
      written = commands::WriteKit(
          *plan_, planned_, folder,
          [](const std::string& path) { return std::make_unique<platform::QtPageOutput>(path); }, readOnly);
    }
    // A file of the earlier kit marked read-only is replaced only when the user says so.
    if (written.ok || written.error.refusal != platform::RefusalName(platform::FileProblem::ReadOnly) ||
        readOnly == platform::ReadOnlyFiles::Replace)
      break;
    if (!platform::AskReplaceReadOnly(written.failedPath, Trimmed(windowTitle()))) return false;
    readOnly = platform::ReadOnlyFiles::Replace;
  }
  if (!written.ok) {
    platform::ReportGeneralError(" Kit/Write", written.error);
    return false;
  }
  choices_.settings = planned_;
  choices_.folder = folder;
  commands::StoreKitChoices(choices_);
  writtenFolder_ = folder;
  written_->setText(T(plan_->sheets == 1 ? keys::KitOneSheetWritten : keys::KitSheetsWritten)
                        .arg(plan_->sheets)
                        .arg(QString::fromStdString(folder)));
  openFolder_->setEnabled(true);
  return true;
}

void CutKitWindow::Outdated() {
  if (!plan_) return;
  plan_.reset();
  preview_->SetSheets({}, planned_.sheet);
  ShowFigures();
}

void CutKitWindow::ShowSheetPlace() {
  const int count = preview_->SheetCount();
  sheetLabel_->setText(count == 0 ? QString()
                                  : T(keys::KitSheetShown) + QString(" %1 / %2").arg(preview_->Shown() + 1).arg(count));
  previous_->setEnabled(preview_->Shown() > 0);
  next_->setEnabled(preview_->Shown() + 1 < count);
  zoomIn_->setEnabled(count > 0);
  zoomOut_->setEnabled(count > 0 && preview_->Zoom() > 1);
}

void CutKitWindow::ShowFigures(const std::string& refusal) {
  splits_->clear();
  splits_->setVisible(refusal.empty() && plan_ && !plan_->splits.empty());
  splitsArea_->setVisible(!splits_->isHidden());
  if (!refusal.empty()) {
    figures_->setStyleSheet("color: rgb(192, 0, 0);");
    figures_->setText(Q(refusal));
    return;
  }
  figures_->setStyleSheet(QString());
  if (!plan_) {
    figures_->clear();
    return;
  }
  figures_->setText(T(keys::KitPartCount).arg(plan_->parts.size()).arg(plan_->ribs) + "    " + T(keys::KitSheetCount) +
                    QString(" %1    ").arg(plan_->sheets) + T(keys::KitUse) +
                    QString(" %1\u00a0%").arg(plan_->usedPercent, 0, 'f', 1));  // "%" stays by its number
  QStringList lines;
  for (const commands::KitSplit& split : plan_->splits) {
    if (split.pieces > 1) lines << T(keys::KitRibInPieces).arg(Q(split.rib)).arg(split.pieces);
    if (split.leftOut == 1) lines << T(keys::KitSliverLeftOut).arg(Q(split.rib));
    if (split.leftOut > 1) lines << T(keys::KitSliversLeftOut).arg(Q(split.rib)).arg(split.leftOut);
  }
  // One paragraph: a long panel would otherwise push the sheets off a small screen.
  splits_->setText(lines.join("; "));
}

}  // namespace serieswindows
