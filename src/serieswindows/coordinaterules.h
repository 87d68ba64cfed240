#pragma once
// The coordinates editor's rules apart from the window: the scale box, the point lines it
// enters and when lines count as unsaved.
#include <string>

namespace serieswindows {

// The scale box as shown: its digits grouped by thousands with blanks ("1 000"); an
// empty box stays empty. Nine digits at most are kept.
std::string ScaleBoxText(const std::string& typed);
// The scale the box holds (blanks ignored); 0 when it holds none.
double ScaleFromBox(const std::string& text);
// The point line of the typed x and y divided by `scale`.
std::string EnteredPointLine(const std::string& xText, const std::string& yText, double scale);

// Whether the list holds changes that no save or open has settled: entering, inserting,
// changing and deleting lines make them; opening, saving and clearing all settle them.
class EditorMarks {
 public:
  void Changed() { changed_ = true; }
  void Settled() { changed_ = false; }
  bool Unsaved() const { return changed_; }

 private:
  bool changed_ = false;
};

}  // namespace serieswindows
