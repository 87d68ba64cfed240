#include "serieswindows/kitsetupchoice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "commands/kitchoices.h"
#include "platform/filedialogs.h"
#include "platform/qt/qtstrings.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace serieswindows {

namespace {

constexpr int kProjectPathRole = Qt::UserRole + 1;


}  // namespace

KitSetupChoice::KitSetupChoice(const core::RibDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  box_ = new QComboBox(this);
  box_->setObjectName("cbosetup");
  const commands::KitSetupOffer offer = commands::OfferedKitSetups(document_);
  for (commands::KitSetup listed : offer.listed) {
    const platform::TextKey key = listed == commands::KitSetup::BeforeSeries ? keys::KitSetupBeforeSeries
                                  : listed == commands::KitSetup::CurrentRib   ? keys::KitSetupCurrentRib
                                                                               : keys::KitSetupProjectFile;
    box_->addItem(platform::T(key), static_cast<int>(listed));
    if (listed == offer.chosen) box_->setCurrentIndex(box_->count() - 1);
  }
  // A long project name is cut short in the box rather than widening the window.
  box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box_->setMinimumContentsLength(20);
  auto* project = new QPushButton(platform::T(keys::KitSetupFromProjectButton), this);
  project->setObjectName("cmdproject");
  project->setAutoDefault(false);
  connect(project, &QPushButton::clicked, this, &KitSetupChoice::ChooseProject);
  connect(box_, &QComboBox::activated, this, [this] {
    if (box_->currentIndex() == box_->count() - 1 && box_->currentData(kProjectPathRole).toString().isEmpty())
      ChooseProject();
    emit Changed();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(box_, 1);
  row->addWidget(project);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(platform::T(keys::KitSetupCaption), this));
  layout->addLayout(row);
}

void KitSetupChoice::ChooseProject() {
  namespace fs = std::filesystem;
  platform::FileDialogRequest request;
  request.title = platform::Text(keys::KitProjectFileTitle);
  request.filter = platform::Text(keys::RibProjectWord) + " (*.vdl)|*.vdl|";
  const int last = box_->count() - 1;
  const std::string chosen = box_->itemData(last, kProjectPathRole).toString().toStdString();
  request.initialDir = chosen.empty() ? document_.settings.lastOpenDir : fs::path(chosen).parent_path().string();
  std::string path;
  if (!platform::CurrentFileDialogs().Open(request, path)) {
    if (chosen.empty()) box_->setCurrentIndex(0);
    return;
  }
  box_->setItemText(last, platform::Q(fs::path(path).filename().string()));
  box_->setItemData(last, platform::Q(path), kProjectPathRole);
  box_->setItemData(last, platform::Q(path), Qt::ToolTipRole);
  box_->setCurrentIndex(last);
  emit Changed();
}

std::optional<commands::KitRefusal> KitSetupChoice::Template(core::RibDocument& templateRib) const {
  return commands::KitTemplate(document_, static_cast<commands::KitSetup>(box_->currentData().toInt()),
                               box_->currentData(kProjectPathRole).toString().toStdString(), templateRib);
}

}  // namespace serieswindows
