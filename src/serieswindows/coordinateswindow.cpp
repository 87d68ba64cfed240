#include "serieswindows/coordinateswindow.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/typednumber.h"
#include "files/coordinatefile.h"
#include "platform/errorreport.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "ribwindows/keyfilter.h"

namespace serieswindows {

namespace {

using platform::Q;
using platform::S;
using platform::T;

// The file's name without its folder and its last four characters.
std::string NameOf(const std::string& path) {
  const std::string file = std::filesystem::path(path).filename().string();
  return file.size() > 4 ? file.substr(0, file.size() - 4) : std::string();
}

}  // namespace

CoordinatesWindow::CoordinatesWindow(const core::ProgramSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName("frmCoord");
  setWindowTitle(T(keys::CoordinatesCaption));

  // Tab walks the boxes in the order they are made here.
  QGridLayout* grid = BuildBoxes();
  QHBoxLayout* middle = BuildList();
  QDialogButtonBox* buttons = BuildButtons();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(middle);
  layout->addWidget(buttons);

  askLine_ = [this](const std::string& title, const std::string& prompt,
                    const std::string& text) -> std::optional<std::string> {
    bool ok = false;
    const QString answer = QInputDialog::getText(this, Q(title), Q(prompt), QLineEdit::Normal, Q(text), &ok);
    if (!ok) return std::nullopt;
    return S(answer);
  };
}

// The name, comment and scale boxes, and the point being typed.
QGridLayout* CoordinatesWindow::BuildBoxes() {
  auto* grid = new QGridLayout;
  const platform::TextKey labels[3] = {keys::CoordinatesFileNameLabel, keys::CoordinatesTitleLabel,
                                       keys::CoordinatesScaleLabel};
  for (int i = 0; i < 3; ++i) {
    boxes_[i] = new QLineEdit(this);
    boxes_[i]->setObjectName(QString("txt%1").arg(i));
    auto* label = new QLabel(T(labels[i]), this);
    label->setBuddy(boxes_[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(boxes_[i], i, 1, 1, 3);
  }
  boxes_[1]->setToolTip(T(keys::CoordinatesTitleTip));
  boxes_[2]->setToolTip(T(keys::CoordinatesScaleTip));
  boxes_[2]->setText("1");
  new ribwindows::KeyFilter(boxes_[2], "1234567890");
  connect(boxes_[2], &QLineEdit::textEdited, this, &CoordinatesWindow::ScaleEdited);

  xBox_ = new QLineEdit(this);
  xBox_->setObjectName("txtinX");
  yBox_ = new QLineEdit(this);
  yBox_->setObjectName("txtinY");
  new ribwindows::KeyFilter(xBox_, Q(core::NumberKeys()));
  new ribwindows::KeyFilter(yBox_, Q(core::NumberKeys() + "-"));
  grid->addWidget(new QLabel(T(keys::CoordinatesXLabel), this), 3, 0);
  grid->addWidget(xBox_, 3, 1);
  grid->addWidget(new QLabel(T(keys::CoordinatesYLabel), this), 3, 2);
  grid->addWidget(yBox_, 3, 3);
  return grid;
}

// The points, with the buttons that enter, insert and delete lines.
QHBoxLayout* CoordinatesWindow::BuildList() {
  list_ = new QListWidget(this);
  list_->setObjectName("Liste_Valeurs");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setFont(QFont("Monospace"));
  list_->setMinimumHeight(260);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { EditLine(list_->row(item)); });

  auto makeButton = [this](const char* name, const std::string& caption, const std::string& tip) {
    auto* b = new QPushButton(Q(caption), this);
    b->setObjectName(name);
    b->setToolTip(Q(tip));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* enter =
      makeButton("cmdentre", platform::Text(keys::EnterPointButton), platform::Text(keys::EnterPointTip));
  enter->setDefault(true);
  QPushButton* insert = makeButton("cmdajouter", platform::Text(keys::InsertButton), platform::Text(keys::InsertTip));
  QPushButton* remove =
      makeButton("cmdeffaceligne", platform::Text(keys::DeleteLinesButton), platform::Text(keys::DeleteLinesTip));
  QPushButton* clear =
      makeButton("cmdeffacetout", platform::Text(keys::ClearAllButton), platform::Text(keys::ClearAllTip));
  connect(enter, &QPushButton::clicked, this, &CoordinatesWindow::EnterPoint);
  connect(insert, &QPushButton::clicked, this, &CoordinatesWindow::InsertLine);
  connect(remove, &QPushButton::clicked, this, &CoordinatesWindow::DeleteLines);
  connect(clear, &QPushButton::clicked, this, &CoordinatesWindow::ClearAll);
  auto* lineButtons = new QVBoxLayout;
  for (QPushButton* b : {enter, insert, remove, clear}) lineButtons->addWidget(b);
  lineButtons->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addWidget(list_, 1);
  middle->addLayout(lineButtons);
  return middle;
}

QDialogButtonBox* CoordinatesWindow::BuildButtons() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* save = buttons->addButton(T(keys::SaveButton), QDialogButtonBox::ActionRole);
  save->setObjectName("cmdsave");
  save->setToolTip(T(keys::CoordinatesSaveTip));
  save->setShortcut(QKeySequence::Save);
  QPushButton* open = buttons->addButton(T(keys::OpenButton), QDialogButtonBox::ActionRole);
  open->setObjectName("cmdouvrir");
  open->setToolTip(T(keys::CoordinatesOpenTip));
  open->setShortcut(QKeySequence::Open);
  QPushButton* close = buttons->addButton(T(keys::CloseButton), QDialogButtonBox::RejectRole);
  close->setObjectName("cmdfermer");
  QPushButton* help = buttons->addButton(T(keys::HelpButton), QDialogButtonBox::HelpRole);
  help->setObjectName("cmdaide");
  for (QPushButton* b : {save, open, close, help}) b->setAutoDefault(false);
  connect(save, &QPushButton::clicked, this, [this] { SaveFile(); });
  connect(open, &QPushButton::clicked, this, &CoordinatesWindow::OpenFile);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(help, &QPushButton::clicked, this, [] { platform::ShowHelpTopic(platform::kTopicCoordinates); });
  return buttons;
}

std::vector<std::string> CoordinatesWindow::Lines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < list_->count(); ++i) lines.push_back(S(list_->item(i)->text()));
  return lines;
}

void CoordinatesWindow::ScaleEdited() {
  const QString shown = Q(ScaleBoxText(S(boxes_[2]->text())));
  if (shown != boxes_[2]->text()) boxes_[2]->setText(shown);
  boxes_[2]->setCursorPosition(static_cast<int>(shown.size()));
}

void CoordinatesWindow::EnterPoint() {
  if (xBox_->text().isEmpty() || yBox_->text().isEmpty()) return;
  double scale = ScaleFromBox(S(boxes_[2]->text()));
  if (scale == 0) {
    boxes_[2]->setText("1");
    scale = 1;
  }
  list_->addItem(Q(EnteredPointLine(S(xBox_->text()), S(yBox_->text()), scale)));
  list_->scrollToBottom();
  marks_.Changed();
  xBox_->setFocus();
  xBox_->selectAll();
}

void CoordinatesWindow::InsertLine() {
  std::string prompt = platform::Text(keys::InsertButton) + "\n";
  for (const platform::TextKey& line :
       {keys::InsertPromptLine2, keys::InsertPromptLine3, keys::InsertPromptLine4, keys::InsertPromptLine5})
    prompt += platform::Text(line) + "\n";
  QListWidgetItem* current = list_->currentItem();
  const std::string proposed = current && current->isSelected() ? S(current->text()) : std::string();
  std::optional<std::string> answer = askLine_(S(windowTitle()), prompt, proposed);
  if (!answer || answer->empty()) return;
  bool inserted = false;
  for (int row = list_->count() - 1; row >= 0; --row) {
    if (!list_->item(row)->isSelected()) continue;
    list_->insertItem(row, Q(*answer));
    inserted = true;
  }
  if (inserted) marks_.Changed();
}

void CoordinatesWindow::EditLine(int row) {
  if (row < 0 || row >= list_->count()) return;
  const std::string line = S(list_->item(row)->text());
  std::optional<std::string> answer =
      askLine_(S(windowTitle()), platform::Text(keys::EditLinePrompt) + " " + line + " ?", line);
  if (!answer || answer->empty() || *answer == line) return;
  list_->item(row)->setText(Q(*answer));
  marks_.Changed();
}

void CoordinatesWindow::DeleteLines() {
  bool removed = false;
  for (int row = list_->count() - 1; row >= 0; --row)
    if (list_->item(row)->isSelected()) {
      delete list_->takeItem(row);
      removed = true;
    }
  if (removed) marks_.Changed();
}

void CoordinatesWindow::ClearAll() {
  if (platform::AskYesNo(platform::Text(keys::ClearAllQuestion), S(windowTitle()), platform::BoxIcon::Question, true) !=
      platform::BoxAnswer::Yes)
    return;
  list_->clear();
  xBox_->clear();
  yBox_->clear();
  for (QLineEdit* box : boxes_) box->clear();
  marks_.Settled();
}

void CoordinatesWindow::OpenFile() {
  if (marks_.Unsaved() && platform::AskYesNo(platform::Text(keys::OpenWhileUnsaved), S(windowTitle()),
                                             platform::BoxIcon::Question, true) != platform::BoxAnswer::Yes)
    return;
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::CoordinatesOpenTip);
  request.filter = platform::Text(keys::FilesWord) + " *.dat|*.dat|Files *.cor|*.cor";
  request.filterIndex = 1;
  request.initialDir = settings_.airfoilDir;
  std::string path;
  if (!platform::CurrentFileDialogs().Open(request, path)) return;
  std::vector<std::string> lines;
  platform::ErrorInfo error;
  if (!files::ReadCoordinateLines(path, lines, error)) {
    platform::ReportGeneralError(" frmCoord/cmdouvrir_Click", error);
    return;
  }
  list_->clear();
  xBox_->clear();
  yBox_->clear();
  boxes_[1]->setText(lines.empty() ? QString() : Q(lines.front()));
  for (std::size_t i = 1; i < lines.size(); ++i) list_->addItem(Q(lines[i]));
  boxes_[0]->setText(Q(NameOf(path)));
  marks_.Settled();
}

bool CoordinatesWindow::SaveFile() {
  if (boxes_[0]->text().isEmpty()) {
    platform::Inform(platform::Text(keys::SaveWithoutFileName), S(windowTitle()));
    boxes_[0]->setFocus();
    return false;
  }
  if (boxes_[1]->text().isEmpty()) {
    platform::Inform(platform::Text(keys::SaveWithoutTitle), S(windowTitle()));
    boxes_[1]->setFocus();
    return false;
  }
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::CoordinatesSaveTip);
  request.filter = platform::Text(keys::FilesWord) + " *.dat|*.dat";
  request.defaultExt = "dat";
  request.initialDir = settings_.airfoilDir;
  request.fileName = S(boxes_[0]->text()) + ".dat";
  request.overwritePrompt = true;
  std::string path;
  if (!platform::CurrentFileDialogs().Save(request, path)) return false;
  platform::ErrorInfo error;
  if (!files::WriteCoordinateFile(path, S(boxes_[1]->text()), Lines(), error)) {
    platform::ReportGeneralError(" frmCoord/cmdsave_Click", error);
    return false;
  }
  boxes_[0]->setText(Q(NameOf(path)));
  marks_.Settled();
  return true;
}

bool CoordinatesWindow::MayLeave() {
  return !marks_.Unsaved() || platform::AskYesNo(platform::Text(keys::CloseWhileUnsaved), S(windowTitle()),
                                                 platform::BoxIcon::Question, true) == platform::BoxAnswer::Yes;
}

void CoordinatesWindow::closeEvent(QCloseEvent* event) {
  if (!leaving_ && !MayLeave()) {
    event->ignore();
    return;
  }
  leaving_ = true;
  QDialog::closeEvent(event);
  leaving_ = false;
}

void CoordinatesWindow::reject() {
  if (!leaving_ && !MayLeave()) return;
  leaving_ = true;
  QDialog::reject();
  leaving_ = false;
}

}  // namespace serieswindows
