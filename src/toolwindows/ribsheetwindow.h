#pragma once
// `frmnervure`: the rib sheet of a tapered panel. From the root and tip chords and the number
// of intermediate ribs it lists every rib's chord (and a second value varying alike) and the
// free space between ribs of a given thickness; the list prints.
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "core/airfoiltools.h"
#include "core/ribdocument.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace toolwindows {

// Its boxes keep their last values for the session; this forgets them, as a new session does.
void ForgetRibSheetEntries();

class RibSheetWindow : public QDialog {
  Q_OBJECT
 public:
  enum Box { RootChord, TipChord, RibCount, Span, SecondAtRoot, SecondAtTip, Material };
  RibSheetWindow(const core::RibDocument& document, QWidget* parent = nullptr);

  QLineEdit* BoxAt(Box b) const { return boxes_[static_cast<std::size_t>(b)]; }
  QLabel* SpacingLabel() const { return spacing_; }
  // What the numbers cannot say alone: ribs that do not fit in the span, a count cut down.
  QLabel* NoteLabel() const { return note_; }
  QTableWidget* List() const { return list_; }
  QPushButton* ComputeButton() const { return compute_; }
  QPushButton* PrintButton() const { return print_; }
  const core::RibSheet& Sheet() const { return sheet_; }

  void Compute();
  // The printed sheet, page by page (rows of text cells), `linesPerPage` lines a page.
  std::vector<std::vector<std::vector<std::string>>> PrintedPages(std::size_t linesPerPage) const;
  // Prints on the program's printer; false when it failed (the user is told).
  bool Print();

 private:
  const core::RibDocument& document_;
  std::array<QLineEdit*, 7> boxes_{};
  QLabel* spacing_;
  QLabel* note_;
  QTableWidget* list_;
  QPushButton* compute_;
  QPushButton* print_;
  core::RibSheet sheet_;
};

}  // namespace toolwindows
