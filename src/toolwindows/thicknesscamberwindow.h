#pragma once
// `frmEpCourb`: a new thickness and camber for the current airfoil, shown over it in the main
// view (Apply), saved as an airfoil file (Save), printed, and opened as the current airfoil
// (OK). Cancel takes the changed airfoil off the view.
#include <QDialog>
#include <functional>
#include <string>

#include "core/ribdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace toolwindows {

class ThicknessCamberWindow : public QDialog {
  Q_OBJECT
 public:
  ThicknessCamberWindow(core::RibDocument& document, QWidget* parent = nullptr);

  // What Print does once Apply has shown the changed airfoil (the main print command).
  void SetPrint(std::function<void()> print) { print_ = std::move(print); }

  QLineEdit* ThicknessBox() const { return thickness_; }
  QLineEdit* CamberBox() const { return camber_; }
  QLabel* NewThicknessLabel() const { return newThicknessMm_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* SaveButton() const { return save_; }
  QPushButton* PrintButton() const { return printButton_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  bool Apply();
  // The path written, "" when nothing was.
  std::string Save();
  void Print();
  void Ok();

 protected:
  void reject() override;

 private:
  bool Applied() const { return document_.view.thicknessCamberShown; }

  core::RibDocument& document_;
  QLineEdit* thickness_;
  QLineEdit* camber_;
  QLabel* newThicknessMm_;
  QPushButton* apply_;
  QPushButton* save_;
  QPushButton* printButton_;
  QPushButton* ok_;
  QPushButton* cancel_;
  std::function<void()> print_;
  // The boxes' texts of the last file written; OK saves again when they changed since.
  std::string appliedTexts_[2];  // the boxes as Apply left them: the file's header and name
  std::string savedPath_;
  std::string savedTexts_;
};

}  // namespace toolwindows
