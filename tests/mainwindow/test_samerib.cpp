// The window and vandrell-cli make the same rib of the same change and say the same: each
// value typed in the input window and saved draws as `vandrell-cli render P.vdl OPTION`
// draws it; what the window tells in a box the batch program prints (a warning, and it
// goes on) or refuses with, and what the status bar then warns of it prints after.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "ribwindows/inputwindow.h"
#include "support/mainwindowtest.h"
#include "support/projectlines.h"

using testsupport::Key;
using testsupport::ReadFile;

namespace {

class SameRib : public testsupport::MainWindowFixture {
 protected:
  struct Run {
    int status = 0;
    std::string out, err;
  };
  // Runs the batch program with its output and errors kept.
  Run Batch(const std::string& arguments) {
    const std::string command = "'" + std::string(VANDRELL_BIN_DIR) + "/vandrell-cli' --ini '" + dir.File("cli.ini") +
                                "' " + arguments + " --airfoil-dir '" + dir.File("airfoils") + "' >'" +
                                dir.File("out.txt") + "' 2>'" + dir.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir.File("out.txt")), ReadFile(dir.File("err.txt"))};
  }
  // Types `typed` into the input window `command` opens and presses OK; a window that
  // refused stays open and is cancelled.
  void TypeInWindow(mainwindow::Command command, const char* typed) {
    WhenModalIs<ribwindows::InputWindow>([typed](ribwindows::InputWindow* input) {
      input->ValueBox()->setText(typed);
      input->OkButton()->click();
      if (input->isVisible()) input->CancelButton()->click();
    });
    window->Run(command);
  }
};

TEST_F(SameRib, EachInputValueMakesTheSameRibAndMessageInTheWindowAndTheBatchProgram) {
  const std::string automatic = "clarky " + Key("FrmInsText", "6") + " : ";
  // Chord 200 with the automatic caption, tabs on a board parallel to the chord, 18.5
  // below it: a chord or sheeting change moves the caption and the board.
  std::vector<std::string> lines = testsupport::Lines(ReadFile(testsupport::DataPath("projects/full_mm.vdl")));
  lines[3] = automatic + "200";
  lines[6] = "200";   // the chord
  lines[67] = "0";    // the board angle
  lines[75] = "0#7";  // the board under the lower surface
  const std::string project = dir.File("p.vdl");
  testsupport::WriteFile(project, testsupport::Join(lines));
  std::filesystem::copy_file(testsupport::AirfoilPath("clarky.dat"), dir.File("airfoils/clarky.dat"));
  testsupport::WriteFile(dir.File("cli.ini"), "[Language]\nLangue=English\n");
  for (const char* folder : {"window", "batch"}) std::filesystem::create_directory(dir.File(folder));

  using mainwindow::Command;
  struct Row {
    Command command;
    const char* typed;
    const char* option;
    const char* messageKey;  // FrmInput's, or none
    const char* refusal;     // the batch program's key, or none
  };
  const Row rows[] = {
      {Command::Chord, "300", "--chord", nullptr, nullptr},
      {Command::Sheeting, "3", "--sheeting", nullptr, nullptr},
      {Command::Chord, "0", "--chord", "14", "chord"},            // nothing to draw on
      {Command::LeadingEdgePiece, "250", "--le", "11", nullptr},  // deeper than the chord: 0
      {Command::TrailingEdge, "200.5", "--te", "12", nullptr},
      {Command::ReferenceLines, "300", "--marks", "13", nullptr},  // 255 at most
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.option) + " " + row.typed);
    doc.project.modified = false;
    messages.answers = {platform::BoxAnswer::Yes};  // the rib may be replaced
    fileDialogs.answers = {project};
    window->Run(Command::OpenProject);
    ASSERT_TRUE(doc.airfoil.loaded);
    messages.shown.clear();  // the question before the rib is replaced
    TypeInWindow(row.command, row.typed);
    const Run batch =
        Batch("render '" + project + "' " + row.option + " " + row.typed + " -o '" + dir.File("batch/rib.svg") + "'");

    std::string statusWarnings = batch.err;  // what follows the box's text
    if (!row.messageKey) {
      EXPECT_TRUE(messages.shown.empty());
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, Key("FrmInput", row.messageKey));
      EXPECT_NE(batch.err.find(Key("FrmInput", row.messageKey)), std::string::npos) << batch.err;
      statusWarnings.erase(0, batch.err.find('\n') + 1);
    }
    if (row.refusal) {
      EXPECT_FLOAT_EQ(doc.rib.chord.mm, 200);
      EXPECT_FALSE(doc.project.modified);
      EXPECT_EQ(batch.status, 2);
      EXPECT_EQ(batch.out, "refused: " + std::string(row.refusal) + "\n");
      continue;
    }
    ASSERT_EQ(batch.status, 0) << batch.err;
    // What the status bar then warns of, the batch program says too, a line per warning: the
    // panel's tip holds the first one whole and "(+N)" for the others.
    std::string warned = window->WarningPanel()->toolTip().toStdString();
    long others = 0;
    if (const std::size_t plus = warned.rfind(" (+"); plus != std::string::npos) {
      others = std::stol(warned.substr(plus + 3));
      warned.erase(plus);
    }
    for (std::size_t at = warned.find("\u00a0"); at != std::string::npos; at = warned.find("\u00a0", at))
      warned.replace(at, 2, " ");
    EXPECT_EQ(statusWarnings.substr(0, statusWarnings.find('\n') + 1), warned.empty() ? "" : "warning: " + warned + "\n");
    EXPECT_EQ(std::count(statusWarnings.begin(), statusWarnings.end(), '\n'), warned.empty() ? 0 : 1 + others);
    if (&row == &rows[0]) {
      EXPECT_EQ(doc.rib.caption.text, automatic + "300");
      EXPECT_NE(doc.rib.tabs.lowerDistance.text, "18.5");  // the board moved with the chord
    }
    fileDialogs.answers = {dir.File("window.vdl")};
    window->Run(Command::SaveProjectAs);
    ASSERT_EQ(Batch("render '" + dir.File("window.vdl") + "' -o '" + dir.File("window/rib.svg") + "'").status, 0);
    // The same name in two folders: the picture names its file.
    EXPECT_TRUE(ReadFile(dir.File("batch/rib.svg")) == ReadFile(dir.File("window/rib.svg")));
  }
  doc.project.modified = false;  // no quit question
}

}  // namespace
