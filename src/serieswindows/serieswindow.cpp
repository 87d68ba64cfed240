#include "serieswindows/serieswindow.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "commands/outputfolder.h"
#include "core/lengths.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/featurewindow.h"
#include "ribwindows/keyfilter.h"
#include "serieswindows/cutkitwindow.h"
#include "serieswindows/seriestablewindow.h"

namespace serieswindows {

namespace {

// The text broken at the space nearest its middle.
QString OnTwoLines(QString text) {
  const int middle = static_cast<int>(text.size()) / 2;
  int best = -1;
  for (int i = 0; i < text.size(); ++i)
    if (text[i] == ' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle))) best = i;
  if (best >= 0) text[best] = '\n';
  return text;
}

using platform::Q;
using platform::S;

// Both series windows number their texts alike, each in its own section: looked up by number.
QString SeriesText(SeriesKind kind, const char* key) { return Q(platform::Text(commands::SeriesSection(kind), key)); }

QLineEdit* Box(QWidget* parent, const char* name, const QString& allowed) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  if (!allowed.isEmpty()) new ribwindows::KeyFilter(box, allowed);
  return box;
}

// What a series window of each kind held when it closed, so that the next one of the
// session starts from it. Lengths are kept with their unit: typed in another, they would
// be read wrongly.
struct KeptSeriesEntries {
  std::array<std::optional<PickedAirfoil>, 2> airfoils;
  std::array<QString, 2> airfoilNames, chords;
  std::string unit;
  QString ribCount, endThickness;
  std::array<std::string, core::kSpacedSlots> thickness, gaps;
};

KeptSeriesEntries& KeptEntries(SeriesKind kind) {
  static std::array<KeptSeriesEntries, 2> kept;
  return kept[kind == SeriesKind::Spaced ? 1 : 0];
}

}  // namespace

void ForgetSeriesEntries() {
  for (SeriesKind kind : {SeriesKind::Even, SeriesKind::Spaced}) KeptEntries(kind) = {};
}

SeriesWindow::~SeriesWindow() {
  KeptSeriesEntries& kept = KeptEntries(kind_);
  kept.airfoils = airfoils_;
  for (std::size_t i = 0; i < 2; ++i) {
    kept.airfoilNames[i] = airfoilBoxes_[i]->text();
    kept.chords[i] = chordBoxes_[i]->text();
  }
  kept.unit = document_.settings.unitText;
  kept.ribCount = ribCountBox_->text();
  if (endThicknessBox_) kept.endThickness = endThicknessBox_->text();
  kept.thickness = thicknessTexts_;
  kept.gaps = gapTexts_;
}

void SeriesWindow::TakeKeptEntries() {
  const KeptSeriesEntries& kept = KeptEntries(kind_);
  airfoils_ = kept.airfoils;
  for (std::size_t i = 0; i < 2; ++i) airfoilBoxes_[i]->setText(kept.airfoilNames[i]);
  if (kept.unit != document_.settings.unitText) return;
  for (std::size_t i = 0; i < 2; ++i) chordBoxes_[i]->setText(kept.chords[i]);
  thicknessTexts_ = kept.thickness;
  gapTexts_ = kept.gaps;
  if (endThicknessBox_) endThicknessBox_->setText(kept.endThickness);
  ribCountBox_->setText(kept.ribCount);  // relabels the spaced table's ribs
  if (panelLength_) {
    RelabelRibs();
    ShowPanelLength();
  }
}

SeriesWindow::SeriesWindow(core::RibDocument& document, SeriesKind kind, AirfoilPicker pick, FileOpener open,
                           QWidget* parent)
    : QDialog(parent), document_(document), kind_(kind), pick_(std::move(pick)), open_(std::move(open)) {
  const bool spaced = kind_ == SeriesKind::Spaced;
  setObjectName(spaced ? "frmtraCevol2" : "frmtraCevol");
  setWindowTitle(SeriesText(kind_, "1"));
  const QString lengthKeys = Q(core::LengthKeys(document_.settings.unitText));
  // Written files go where the user sees them: the folder last written into, else the
  // project's or the documents folder (kept once a series is written there).
  document_.settings.seriesAirfoilDir = commands::ProposedOutputFolder(document_.settings.seriesAirfoilDir, document_);

  // Tab walks the boxes in the order they are made here.
  auto* grid = new QGridLayout;
  int row = AddAirfoilRows(grid, lengthKeys);
  row = AddCountRows(grid, row, lengthKeys);
  AddFolderRow(grid, row);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  if (spaced) AddSpacingTable(layout, lengthKeys);
  AddButtons(layout);
  TakeKeptEntries();
}

// The two airfoils with their open buttons, then the two chords; returns the next row.
int SeriesWindow::AddAirfoilRows(QGridLayout* grid, const QString& lengthKeys) {
  int row = 0;
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(SeriesText(kind_, i == 0 ? "2" : "3"), this);
    airfoilBoxes_[static_cast<std::size_t>(i)] = Box(this, i == 0 ? "txtprofil0" : "txtprofil1", QString());
    ribwindows::MakeShowOnly(airfoilBoxes_[static_cast<std::size_t>(i)]);
    auto* openButton = new QPushButton(Q(platform::Text(keys::OpenButton)), this);
    openButton->setObjectName(i == 0 ? "cmdouvrir0" : "cmdouvrir1");
    openButton->setAutoDefault(false);
    connect(openButton, &QPushButton::clicked, this, [this, i] { OpenAirfoil(i); });
    label->setBuddy(airfoilBoxes_[static_cast<std::size_t>(i)]);
    grid->addWidget(label, row, 0);
    grid->addWidget(airfoilBoxes_[static_cast<std::size_t>(i)], row, 1);
    grid->addWidget(openButton, row, 2);
    ++row;
  }
  for (int i = 0; i < 2; ++i) {
    chordBoxes_[static_cast<std::size_t>(i)] = Box(this, i == 0 ? "txtcorde0" : "txtcorde1", lengthKeys);
    grid->addWidget(new QLabel(SeriesText(kind_, i == 0 ? "4" : "5"), this), row, 0);
    grid->addWidget(chordBoxes_[static_cast<std::size_t>(i)], row, 1);
    grid->addWidget(new QLabel(Q(document_.settings.unitText), this), row, 2);
    ++row;
  }
  return row;
}

// The rib count with its limit note, and the spaced series' end thickness; returns the next row.
int SeriesWindow::AddCountRows(QGridLayout* grid, int row, const QString& lengthKeys) {
  ribCountBox_ = Box(this, "txtnervI", "1234567890");
  grid->addWidget(new QLabel(SeriesText(kind_, "6"), this), row, 0);
  grid->addWidget(ribCountBox_, row, 1);
  ++row;
  // Why a count above the limit was not taken; its line is kept, so that nothing moves.
  countNote_ = new QLabel(SeriesText(kind_, "12") + " " + QString::number(MostRibs()), this);
  countNote_->setObjectName("lblLimit");
  countNote_->setWordWrap(true);
  countNote_->setStyleSheet("color: rgb(176, 0, 0);");
  QSizePolicy keepLine = countNote_->sizePolicy();
  keepLine.setRetainSizeWhenHidden(true);
  countNote_->setSizePolicy(keepLine);
  countNote_->hide();
  grid->addWidget(countNote_, row, 1, 1, 2);
  ++row;
  connect(ribCountBox_, &QLineEdit::textEdited, this, &SeriesWindow::RibCountEdited);
  connect(ribCountBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (core::RibCountFromText(S(text)) <= MostRibs()) lastRibCount_ = text;
  });
  if (kind_ == SeriesKind::Spaced) {
    endThicknessBox_ = Box(this, "txtEpR", lengthKeys);
    // The longest caption of the column: on two lines rather than widen the window, broken
    // by hand (a grid row gave a wrapped caption one line and cut the second).
    auto* endLabel = new QLabel(OnTwoLines(SeriesText(kind_, "9")), this);
    grid->addWidget(endLabel, row, 0);
    grid->addWidget(endThicknessBox_, row, 1);
    grid->addWidget(new QLabel(Q(document_.settings.unitText), this), row, 2);
    ++row;
  }
  return row;
}

void SeriesWindow::AddFolderRow(QGridLayout* grid, int row) {
  auto* folderLabel = new QLabel(Q(platform::Text(keys::SeriesFolderFrame)), this);
  folderLabel->setObjectName("Lblsav");
  folderBox_ = Box(this, "txtdefprofevol", QString());
  ribwindows::MakeShowOnly(folderBox_);
  folderBox_->setText(Q(document_.settings.seriesAirfoilDir));
  folderBox_->setMinimumWidth(260);
  auto* browse = new QPushButton(Q(platform::Text(keys::BrowseTip)), this);
  browse->setObjectName("cmdrechercheevol");
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &SeriesWindow::ChooseFolder);
  grid->addWidget(folderLabel, row, 0);
  grid->addWidget(folderBox_, row, 1);
  grid->addWidget(browse, row, 2);
}

// The spaced series' table: one label per rib, and the thickness and gap of the chosen one.
void SeriesWindow::AddSpacingTable(QVBoxLayout* layout, const QString& lengthKeys) {
  auto* table = new QGroupBox(this);
  auto* tableGrid = new QGridLayout(table);
  for (int slot = 1; slot <= core::kTipSlot; ++slot) {
    auto* label = new QLabel(table);
    label->setObjectName(QString("LblNoNervInterm%1").arg(slot));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(34);
    label->setCursor(Qt::PointingHandCursor);
    // Reached with Tab and chosen with Space or Enter, as with a click.
    label->setFocusPolicy(Qt::StrongFocus);
    label->installEventFilter(this);
    ribLabels_[static_cast<std::size_t>(slot)] = label;
    tableGrid->addWidget(label, 0, slot - 1);
  }
  ribThicknessBox_ = Box(table, "TextEprNevure", lengthKeys);
  gapBox_ = Box(table, "TextEcartNevure", lengthKeys);
  // Enter in the table's boxes applies the row, not Generate.
  ribThicknessBox_->installEventFilter(this);
  gapBox_->installEventFilter(this);
  auto* apply = new QPushButton(Q(platform::Text(keys::ApplyButton)), table);
  apply->setObjectName("CmdApply");
  apply->setAutoDefault(false);
  connect(apply, &QPushButton::clicked, this, &SeriesWindow::ApplyRib);
  tableGrid->addWidget(new QLabel(SeriesText(kind_, "11"), table), 1, 0, 1, 4);
  tableGrid->addWidget(ribThicknessBox_, 1, 4, 1, 3);
  tableGrid->addWidget(new QLabel(SeriesText(kind_, "19"), table), 2, 0, 1, 4);
  tableGrid->addWidget(gapBox_, 2, 4, 1, 3);
  tableGrid->addWidget(apply, 2, 7, 1, 3);
  panelLength_ = new QLabel(table);
  panelLength_->setObjectName("LblLongTotAffich");
  tableGrid->addWidget(new QLabel(SeriesText(kind_, "20"), table), 3, 0, 1, 4);
  tableGrid->addWidget(panelLength_, 3, 4, 1, 4);
  layout->addWidget(table);
  connect(ribCountBox_, &QLineEdit::textChanged, this, [this] {
    RelabelRibs();
    ShowPanelLength();
  });
  connect(endThicknessBox_, &QLineEdit::textChanged, this, &SeriesWindow::ShowPanelLength);
  RelabelRibs();
  ShowPanelLength();
}

void SeriesWindow::AddButtons(QVBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(this);
  generateButton_ = buttons->addButton(SeriesText(kind_, "7"), QDialogButtonBox::ActionRole);
  generateButton_->setObjectName("cmdcalcul");
  generateButton_->setDefault(true);
  tableButton_ = buttons->addButton(SeriesText(kind_, "8"), QDialogButtonBox::ActionRole);
  tableButton_->setObjectName("cmdtable");
  tableButton_->setAutoDefault(false);
  QPushButton* help = ribwindows::AddCloseAndHelp(buttons, this).help;
  layout->addWidget(buttons);
  // The airfoils come by their buttons; the first box typed in is the root chord's.
  chordBoxes_[0]->setFocus();
  connect(generateButton_, &QPushButton::clicked, this, [this] { Generate(); });
  connect(tableButton_, &QPushButton::clicked, this, &SeriesWindow::ShowTable);
  connect(help, &QPushButton::clicked, this, [this] {
    platform::ShowHelpTopic(kind_ == SeriesKind::Spaced ? platform::kTopicSeriesSpacing : platform::kTopicSeries);
  });
}

const char* SeriesWindow::Section() const { return commands::SeriesSection(kind_); }

int SeriesWindow::MostRibs() const { return kind_ == SeriesKind::Spaced ? core::kMaxSpacedRibs : core::kMaxEvenRibs; }

int SeriesWindow::RibCount() const {
  const long n = core::RibCountFromText(S(ribCountBox_->text()));
  const long most = MostRibs();
  return static_cast<int>(n < 0 ? 0 : n > most ? most : n);
}

void SeriesWindow::RibCountEdited(const QString& typed) {
  // A count above the limit is not taken: the box keeps the last one it could take, typed
  // or filled in.
  const bool tooMany = core::RibCountFromText(S(typed)) > MostRibs();
  countNote_->setVisible(tooMany);
  if (tooMany) {
    const int cursor = std::min(ribCountBox_->cursorPosition(), static_cast<int>(lastRibCount_.size()));
    ribCountBox_->setText(lastRibCount_);
    ribCountBox_->setCursorPosition(cursor);
  }
}

void SeriesWindow::OpenAirfoil(int index) {
  if (!pick_) return;
  std::optional<PickedAirfoil> picked =
      pick_(platform::Text(index == 0 ? keys::RootAirfoilOpenCaption : keys::TipAirfoilOpenCaption));
  if (!picked) return;
  std::string name, ext;
  files::SplitAirfoilFileName(picked->path, name, ext);
  airfoilBoxes_[static_cast<std::size_t>(index)]->setText(Q(name));
  airfoils_[static_cast<std::size_t>(index)] = std::move(picked);
}

void SeriesWindow::ChooseFolder() {
  if (commands::ChooseSeriesFolder(document_)) folderBox_->setText(Q(document_.settings.seriesAirfoilDir));
}

void SeriesWindow::Refuse(const std::string& key, const std::string& suffix, bool warning, QLineEdit* box) {
  platform::Inform(platform::Text(Section(), key) + suffix, S(windowTitle()),
                   warning ? platform::BoxIcon::Exclamation : platform::BoxIcon::Information);
  if (box) {
    box->setFocus();
    box->selectAll();
  }
}

commands::SeriesRequest SeriesWindow::RequestFromBoxes() const {
  commands::SeriesRequest request;
  request.kind = kind_;
  for (int i = 0; i < 2; ++i)
    if (const std::optional<PickedAirfoil>& picked = airfoils_[static_cast<std::size_t>(i)]) {
      commands::SeriesAirfoil airfoil;
      std::string ext;
      files::SplitAirfoilFileName(picked->path, airfoil.name, ext);
      airfoil.outline = picked->data;
      (i == 0 ? request.root : request.tip) = std::move(airfoil);
    }
  request.ribCount = S(ribCountBox_->text());
  request.rootChord = S(chordBoxes_[0]->text());
  request.tipChord = S(chordBoxes_[1]->text());
  request.unitText = document_.settings.unitText;
  if (kind_ == SeriesKind::Spaced) {
    request.endThickness = S(endThicknessBox_->text());
    const int n = RibCount();
    for (int i = 1; i <= n; ++i) request.thickness.push_back(thicknessTexts_[static_cast<std::size_t>(i)]);
    for (int i = 1; i <= n + 1; ++i) request.gaps.push_back(gapTexts_[static_cast<std::size_t>(i)]);
  }
  request.folder = document_.settings.seriesAirfoilDir;
  request.words = commands::SeriesWordsInLanguage(kind_);
  return request;
}

bool SeriesWindow::Generate() {
  if (ribwindows::ShowUnreadableBox(this)) return false;
  if (kind_ == SeriesKind::Spaced) ApplyRib();
  commands::SeriesResult result = commands::GenerateSeriesAsking(document_, RequestFromBoxes(), S(windowTitle()));
  // Another folder may have been chosen on the way.
  folderBox_->setText(Q(document_.settings.seriesAirfoilDir));
  if (result.outcome == commands::SeriesOutcome::Refused) {
    const core::SeriesRefusal& r = result.refusal;
    QLineEdit* box = r.box == core::SeriesBox::RibCount    ? ribCountBox_
                     : r.box == core::SeriesBox::RootChord ? chordBoxes_[0]
                     : r.box == core::SeriesBox::TipChord  ? chordBoxes_[1]
                                                            : nullptr;
    if (r.box == core::SeriesBox::Thickness || r.box == core::SeriesBox::Gap) {
      box = endThicknessBox_;
      if (r.box == core::SeriesBox::Gap || r.slot >= 1) {
        SelectRib(r.slot);
        box = r.box == core::SeriesBox::Gap ? gapBox_ : ribThicknessBox_;
      }
    }
    Refuse(r.key, r.suffix, r.warning, box);
    return false;
  }
  if (result.outcome == commands::SeriesOutcome::Failed) lastResult_ = result.written;
  if (result.outcome != commands::SeriesOutcome::Written) return false;
  lastResult_ = std::move(result.written);
  lastJob_ = std::move(result.job);
  commands::RememberSeriesFolder(document_);
  if (offerKit_) {
    platform::BoxRequest box;
    box.text = platform::Text(keys::SeriesWrittenQuestion);
    box.title = S(windowTitle());
    box.icon = platform::BoxIcon::Question;
    box.buttons = platform::BoxButtons::YesNo;
    if (platform::CurrentMessages().Show(box) == platform::BoxAnswer::Yes)
      CutKitWindow::Run(document_, lastResult_.summaryPath, this);
  }
  return true;
}

void SeriesWindow::ShowTable() {
  if (lastJob_) {
    OpenTable(*lastJob_, lastResult_.paths);
    return;
  }
  // No series written yet: the summary of an earlier one.
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::SeriesTableCaption);
  request.filter = platform::Text(keys::FilesWord) + " *.txt|*.txt";
  request.initialDir = document_.settings.seriesAirfoilDir;
  std::string path;
  if (!platform::CurrentFileDialogs().Open(request, path)) return;
  commands::OpenedSummary opened = commands::OpenSeriesSummary(path);
  if (!opened.job) {
    platform::Inform(opened.refusal, S(windowTitle()), platform::BoxIcon::Exclamation);
    return;
  }
  OpenTable(*opened.job, std::move(opened.paths));
}

void SeriesWindow::OpenTable(const files::SeriesJob& job, std::vector<std::string> paths) {
  // The table stays beside the main window, which this window would keep out of reach.
  SeriesTableWindow::Show(job, std::move(paths), open_, parentWidget());
  close();
}

void RunSeriesTool(core::RibDocument& document, SeriesKind kind, AirfoilPicker pick, FileOpener open, QWidget* parent) {
  if (!commands::ConfirmSeriesTool(document)) return;
  SeriesWindow window(document, kind, std::move(pick), std::move(open), parent);
  window.OfferKit(true);
  window.exec();
}

}  // namespace serieswindows
