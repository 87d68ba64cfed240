// The window and vandrell-cli give the same rib for the same change: a project at chord 200
// with the automatic caption and tabs on a board parallel to the chord, its chord typed as
// 300 in the window and saved, draws as `vandrell-cli render P.vdl --chord 300` draws it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ribwindows/inputwindow.h"
#include "support/mainwindowtest.h"
#include "support/projectlines.h"

using testsupport::Key;
using testsupport::ReadFile;

namespace {

class SameRib : public testsupport::MainWindowFixture {
 protected:
  // Runs the batch program; its exit status.
  int Batch(const std::string& arguments) {
    const std::string command = "'" + std::string(VANDRELL_BIN_DIR) + "/vandrell-cli' --ini '" + dir.File("cli.ini") +
                                "' " + arguments + " --airfoil-dir '" + dir.File("airfoils") + "' >/dev/null 2>&1";
    return std::system(command.c_str());
  }
};

TEST_F(SameRib, AChordTypedInTheWindowDrawsAsTheBatchProgramDrawsIt) {
  const std::string automatic = "clarky " + Key("FrmInsText", "6") + " : ";
  std::vector<std::string> lines = testsupport::Lines(ReadFile(testsupport::DataPath("projects/full_mm.vdl")));
  lines[3] = automatic + "200";
  lines[6] = "200";   // the chord
  lines[67] = "0";    // the board angle: parallel to the chord
  lines[75] = "0#7";  // the board under the lower surface, 18.5 below the chord
  const std::string project = dir.File("p.vdl");
  testsupport::WriteFile(project, testsupport::Join(lines));
  std::filesystem::copy_file(testsupport::AirfoilPath("clarky.dat"), dir.File("airfoils/clarky.dat"));
  testsupport::WriteFile(dir.File("cli.ini"), "[Language]\nLangue=English\n");
  for (const char* folder : {"window", "batch"}) std::filesystem::create_directory(dir.File(folder));

  fileDialogs.answers = {project};
  window->Run(mainwindow::Command::OpenProject);
  ASSERT_TRUE(doc.airfoil.loaded);
  WhenModal([](QWidget* modal) {
    auto* input = qobject_cast<ribwindows::InputWindow*>(modal);
    ASSERT_NE(input, nullptr);
    input->ValueBox()->setText("300");
    input->OkButton()->click();
  });
  window->Run(mainwindow::Command::Chord);
  EXPECT_EQ(doc.rib.caption.text, automatic + "300");
  EXPECT_NE(doc.rib.tabs.lowerDistance.text, "18.5");  // the board moved with the chord
  fileDialogs.answers = {dir.File("window.vdl")};
  window->Run(mainwindow::Command::SaveProjectAs);

  ASSERT_EQ(Batch("render '" + dir.File("window.vdl") + "' -o '" + dir.File("window/rib.svg") + "'"), 0);
  ASSERT_EQ(Batch("render '" + project + "' --chord 300 -o '" + dir.File("batch/rib.svg") + "'"), 0);
  const std::string batch = ReadFile(dir.File("batch/rib.svg"));
  EXPECT_NE(batch.find(automatic + "300"), std::string::npos);
  EXPECT_TRUE(batch == ReadFile(dir.File("window/rib.svg")));
  doc.project.modified = false;  // no quit question
}

}  // namespace
