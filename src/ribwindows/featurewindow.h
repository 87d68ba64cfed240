#pragma once
// What the feature windows (tabs, blocks, square leading edge, inserted text) share in
// their layout: captioned boxes in a grid and the OK, Apply, Cancel and Help buttons, with
// Apply as the button Enter presses, Cancel closing and Help opening the window's topic.
#include <QString>
#include <string>

#include "platform/qt/qtstrings.h"

class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ribwindows {

using platform::Q;

struct CaptionedBox {
  QLabel* caption;
  QLineEdit* box;
};
// A box named `name` with its caption in row `row`; `keys` are the characters it takes
// (empty: any).
CaptionedBox AddCaptionedBox(QGridLayout* grid, int row, const QString& name, const std::string& caption,
                             const std::string& toolTip, const QString& keys);

// The unit beside the box of grid row `row` ("mm", "in", "°").
QLabel* AddUnitLabel(QGridLayout* grid, int row, const std::string& unit);
// The unit in force without its blank: "mm" or "in".
std::string UnitWord(const std::string& unitText);

struct DialogButtons {
  QDialogButtonBox* box;
  QPushButton* ok;
  QPushButton* apply;
  QPushButton* cancel;
  QPushButton* help;
};
// Cancel closes the dialog; Help opens `helpTopic`. OK and Apply are the window's own.
DialogButtons AddDialogButtons(QDialog* dialog, int helpTopic);
// The button that takes a feature off the rib (tabs, block).
QPushButton* AddRemoveButton(const DialogButtons& buttons, const std::string& caption, bool enabled);

// The Close and Help buttons that end a tool window's button box, neither taken by Enter.
// Close rejects the dialog; what Help opens is the window's to connect.
struct CloseAndHelp {
  QPushButton* close;
  QPushButton* help;
};
CloseAndHelp AddCloseAndHelp(QDialogButtonBox* box, QDialog* dialog);

}  // namespace ribwindows
