#pragma once
// What the feature windows (tabs, blocks, square leading edge, inserted text) share in
// their layout: captioned boxes in a grid and the OK, Apply, Cancel and Help buttons, with
// Apply as the button Enter presses.
#include <QString>
#include <string>

class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ribwindows {

QString Q(const std::string& s);

struct CaptionedBox {
  QLabel* caption;
  QLineEdit* box;
};
// A box named `name` with its caption in row `row`; `keys` are the characters it takes
// (empty: any).
CaptionedBox AddCaptionedBox(QGridLayout* grid, int row, const QString& name, const std::string& caption,
                             const std::string& toolTip, const QString& keys);

struct DialogButtons {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* apply;
  QPushButton* cancel;
  QPushButton* help;
};
DialogButtons AddDialogButtons(QDialog* dialog);

}  // namespace ribwindows
