#pragma once
// A table window whose rows are ruled by a SlotTableEditor of `Traits`: everything the
// window is asked that only the editor knows is answered here, so the spar and hole windows
// only make their boxes and copy a row in and out of them.
#include <QLineEdit>
#include <cstddef>
#include <string>
#include <utility>

#include "commands/ribwarningtext.h"
#include "core/ribwarnings.h"
#include "ribwindows/boxreading.h"
#include "ribwindows/slottableeditor.h"
#include "ribwindows/tablewindow.h"

namespace ribwindows {

template <class Traits>
class EditorTableWindow : public TableWindow {
 public:
  const SlotTableEditor<Traits>& Editor() const { return editor_; }
  // What the boxes and options hold.
  virtual typename Traits::Fields Fields() const = 0;

 protected:
  EditorTableWindow(core::RibDocument& document, int core::ViewState::*mark, std::string placeKey, int helpTopic,
                    QWidget* parent)
      : TableWindow(document, Traits::kSection, mark, std::move(placeKey), helpTopic, parent), editor_(document) {}

  TableOutcome Act(Action action) override {
    switch (action) {
      case Action::Apply: return editor_.Apply(Fields());
      case Action::Add: return editor_.Add(Fields());
      case Action::Modify: return editor_.Modify(Fields());
      case Action::Delete: return editor_.Delete();
    }
    return {};
  }
  TableOutcome SelectRow(int index) override { return editor_.Select(index); }
  bool MayClose() override { return editor_.MayClose(positionBox_->text().toStdString()); }
  bool Failed() const override { return editor_.Failed(); }
  int UnderEdit() const override { return editor_.UnderEdit(); }
  SlotLabel LabelFor(int index) const override { return editor_.Label(index); }
  void ReloadTable() override { editor_.Reload(); }

  std::string TypedWarning() const override {
    const typename Traits::Fields fields = Fields();
    const std::string& unit = document_.settings.unitText;
    if (const std::string* unreadable = Traits::Unreadable(fields, unit)) return UnreadableText(*unreadable, unit);
    const int row = editor_.UnderEdit();
    const typename Traits::Row typed =
        Traits::RowOf(fields, Traits::Table(document_)[static_cast<std::size_t>(row)], document_);
    return commands::RibWarningText(Traits::Warning(document_, typed, row), unit);
  }

  SlotTableEditor<Traits> editor_;
};

}  // namespace ribwindows
