#pragma once
// `frmInput`: edits one of the rib's main dimensions (chord, sheeting, edge-piece depths)
// or the number of reference lines, chosen by the shared inputKind.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace features {

class FrmInput : public QDialog {
  Q_OBJECT
 public:
  explicit FrmInput(QWidget* parent = nullptr);

  QLineEdit* infotxt() const { return infotxt_; }
  QLabel* msgtxt() const { return msgtxt_; }
  QPushButton* cmdok() const { return cmdok_; }
  QPushButton* cmdannuler() const { return cmdannuler_; }
  QPushButton* cmdaide() const { return cmdaide_; }

 protected:
  void reject() override;  // Escape and the close box cancel

 private:
  void cmdok_Click();
  void cmdannuler_Click();
  void cmdaide_Click();

  QLabel* msgtxt_;
  QLineEdit* infotxt_;
  QPushButton* cmdok_;
  QPushButton* cmdannuler_;
  QPushButton* cmdaide_;
};

}  // namespace features
