#pragma once
// Utilities > Cut kit: the ribs of one or more panels (series summaries and rib files) cut
// with the set-up it names (the current rib's, the one a series tool cleared, or a project
// file's), in the unit in force, as many copies of each as asked, nested on sheets of material, looked at sheet by sheet and
// written into a folder, all files or none. The sizes, format and folder are remembered.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "commands/kitchoices.h"
#include "core/ribdocument.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace serieswindows {

class KitPreview;
class KitSetupChoice;

class CutKitWindow : public QDialog {
  Q_OBJECT
 public:
  // `summary`: a series just written, chosen and laid out at once.
  CutKitWindow(const core::RibDocument& document, const std::string& summary = {}, QWidget* parent = nullptr);

  // Opens the window modally.
  static void Run(const core::RibDocument& document, const std::string& summary, QWidget* parent);

  QListWidget* RibList() const { return ribs_; }
  QLineEdit* WidthBox() const { return width_; }
  QLineEdit* LengthBox() const { return length_; }
  QLineEdit* GapBox() const { return gap_; }
  QLineEdit* KerfBox() const { return kerf_; }
  QLineEdit* ThicknessBox() const { return thickness_; }
  // The set-up every rib takes.
  KitSetupChoice* Setup() const { return setup_; }
  QComboBox* FormatBox() const { return format_; }
  QSpinBox* CopiesBox() const { return copies_; }
  QCheckBox* CaptionBox() const { return caption_; }
  QCheckBox* StrokedNamesBox() const { return strokedNames_; }
  QLineEdit* FolderBox() const { return folder_; }
  KitPreview* Preview() const { return preview_; }
  QLabel* SheetLabel() const { return sheetLabel_; }
  QLabel* FiguresLabel() const { return figures_; }
  QLabel* SplitsLabel() const { return splits_; }
  // After a write: how many sheets went where, and the button that shows the folder.
  QLabel* WrittenLabel() const { return written_; }
  QPushButton* OpenFolderButton() const { return openFolder_; }
  QToolButton* NextButton() const { return next_; }
  QToolButton* PreviousButton() const { return previous_; }
  QToolButton* ZoomInButton() const { return zoomIn_; }
  QPushButton* LayOutButton() const { return layOut_; }
  QPushButton* WriteButton() const { return write_; }
  // The last layout; none before one was made or after a change.
  const commands::KitPlan* Plan() const { return plan_ ? &*plan_ : nullptr; }

  // Event handlers, also driven by the tests.
  void AddRibs();
  void RemoveRibs();
  void ChooseFolder();
  bool LayOut();
  bool Write();

 private:
  // The parts of the window, built in Tab order.
  QGroupBox* BuildRibGroup();
  void CreateSizeBoxes(const commands::KitSettings& s);
  QGridLayout* LayOutSizes(const commands::KitSettings& s);
  QHBoxLayout* BuildFolderRow(const std::string& summary, QGroupBox* ribGroup);
  QHBoxLayout* BuildNavigation();
  QHBoxLayout* BuildWrittenRow();
  QDialogButtonBox* BuildButtons();

  static output::CutFormat FormatAt(int index);
  void AddInput(const std::string& path);
  std::vector<std::string> Inputs() const;
  std::optional<commands::KitSettings> SettingsFromBoxes();
  void Outdated();
  void ShowSheetPlace();
  void ShowFigures(const std::string& refusal = {});

  const core::RibDocument& document_;
  commands::KitChoices choices_;
  std::optional<commands::KitPlan> plan_;
  commands::KitSettings planned_;

  QListWidget* ribs_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLineEdit* length_ = nullptr;
  QLineEdit* gap_ = nullptr;
  QLineEdit* kerf_ = nullptr;
  QLineEdit* thickness_ = nullptr;
  KitSetupChoice* setup_ = nullptr;
  std::string unit_;
  QComboBox* format_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QCheckBox* caption_ = nullptr;
  QCheckBox* strokedNames_ = nullptr;
  QLineEdit* folder_ = nullptr;
  KitPreview* preview_ = nullptr;
  QLabel* sheetLabel_ = nullptr;
  QLabel* figures_ = nullptr;
  QLabel* splits_ = nullptr;
  QScrollArea* splitsArea_ = nullptr;
  QLabel* written_ = nullptr;
  QPushButton* openFolder_ = nullptr;
  std::string writtenFolder_;
  QToolButton* previous_ = nullptr;
  QToolButton* next_ = nullptr;
  QToolButton* zoomIn_ = nullptr;
  QToolButton* zoomOut_ = nullptr;
  QPushButton* layOut_ = nullptr;
  QPushButton* write_ = nullptr;
};

}  // namespace serieswindows
