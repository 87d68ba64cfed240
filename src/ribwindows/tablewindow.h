#pragma once
// What the spar and hole windows share: they stay open beside the main window, edit a table
// of numbered rows (slottableeditor.h) and announce every stored change, so that the rib is
// redrawn at once. The row under edit is marked on the main view while the window is open.
#include <QDialog>
#include <array>
#include <string>

#include "core/changes.h"
#include "core/ribdocument.h"
#include "ribwindows/slottableeditor.h"

class QDialogButtonBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ribwindows {

class KeyFilter;
class LabelRoom;
class SlotLabels;

class TableWindow : public QDialog {
  Q_OBJECT
 public:
  ~TableWindow() override;

  // What the window changed since it opened.
  core::Changes Changed() const { return changed_; }

  QLineEdit* PositionBox() const { return positionBox_; }
  SlotLabels* Labels() const { return labels_; }
  QPushButton* AddButton() const { return addButton_; }
  QPushButton* ModifyButton() const { return modifyButton_; }
  QPushButton* DeleteButton() const { return deleteButton_; }
  QPushButton* ApplyButton() const { return applyButton_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* HelpButton() const { return helpButton_; }
  // What the row as typed would leave of the rib, in place of the hint above the numbers.
  QLabel* Warning() const { return warning_; }

  // Escape and Cancel: close unless the last check failed.
  void reject() override;

 protected:
  // Makes `group` with a row's four captioned number boxes in a grid, the position box
  // first; the other three boxes take their object names. Each box gets its key filter
  // (allowed characters set later).
  struct NamedBox {
    QLineEdit** box;
    const char* name;
  };
  QGridLayout* MakeRowBoxes(QGroupBox*& group, const std::array<QLabel**, 4>& captions,
                            const std::array<NamedBox, 3>& boxes, std::array<KeyFilter*, 4>& filters);
  // Room for the longer of a label's two texts, so that nothing moves when they swap.
  static void KeepRoomFor(QLabel* label, const std::string& one, const std::string& other);

  enum class Action { Apply, Add, Modify, Delete };

  // `mark` is the view's field that marks this table's row under edit; `placeKey` names the
  // window's place in the per-user store.
  TableWindow(core::RibDocument& document, const char* section, int core::ViewState::*mark, std::string placeKey,
              int helpTopic, QWidget* parent);
  // Ends the derived window's constructor: captions, boxes, labels, listening.
  void Start();

  // The derived window's side.
  virtual TableOutcome Act(Action action) = 0;
  virtual TableOutcome SelectRow(int index) = 0;
  virtual bool MayClose() = 0;         // Cancel: tells the failed check again when it keeps the window
  virtual bool Failed() const = 0;     // the last check failed
  virtual int UnderEdit() const = 0;
  virtual SlotLabel LabelFor(int index) const = 0;
  virtual void ShowFields() = 0;       // the row under edit into the boxes
  virtual void LoadCaptions() = 0;     // the texts of the language in force
  virtual void UseUnit() = 0;          // the key filters of the unit in force
  virtual void ReloadTable() = 0;      // the document was replaced
  virtual std::string TypedWarning() const = 0;  // the row in the boxes, in plain words

  void ShowWarning();
  void MeasureWarnings();

  // The buttons, the numbered labels and the hint above them, for the derived layout.
  QWidget* LabelRow();
  QWidget* EditButtons();
  QDialogButtonBox* DialogButtons();
  void SetButtonTexts(const char* section, const char* hintKey);

  core::RibDocument& document_;
  QLineEdit* positionBox_ = nullptr;

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Run(Action action);
  void Ok();
  void Selected(int index);
  void Finish(const TableOutcome& outcome);
  void RefreshTitle();
  // Marks `row` on the main view (-1: none); View when the mark moved.
  core::Changes MarkChange(int row);
  void DocumentChanged(core::Changes what);

  const char* section_;
  int core::ViewState::*mark_;
  std::string placeKey_;
  int helpTopic_;
  core::Changes changed_;
  core::ChangeChannel::Subscription subscription_;
  bool placed_ = false;
  bool closing_ = false;
  SlotLabels* labels_ = nullptr;
  QLabel* hint_ = nullptr;
  QLabel* warning_ = nullptr;
  LabelRoom* warningRoom_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* modifyButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QDialogButtonBox* dialogButtons_ = nullptr;
  QWidget* editButtons_ = nullptr;
};

// Brings the window of type W that `owner` has open to the front, or opens one.
template <class W>
W* OpenTableWindow(core::RibDocument& document, QWidget* owner) {
  if (owner)
    for (W* open : owner->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly))
      if (open->isVisible()) {
        open->raise();
        open->activateWindow();
        return open;
      }
  auto* w = new W(document, owner);
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

}  // namespace ribwindows
