// How each refusal of an airfoil file reaches the user: the box kind of every fault, titled
// with the caller's caption, and the general error report for the unexpected.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "commands/airfoilreadfailure.h"
#include "platform/messages.h"
#include "support/projectlines.h"
#include "support/testsupport.h"

namespace {

using platform::BoxIcon;
using namespace std::string_literals;
using testsupport::WriteFile;

TEST(AirfoilReadFailure, EachFaultIsToldInItsKindOfBox) {
  testsupport::SelfNamingTexts texts;
  testsupport::TempDir dir;
  platform::RecordingMessages messages;
  platform::ScopedMessages scoped{&messages};
  std::filesystem::create_directory(dir.path() / "folder.dat");
  const struct {
    const char* file;
    std::optional<std::string> contents;  // none: the file is not written
    BoxIcon icon;
  } cases[] = {
      // The layout faults of a coordinate file: information, as the doubled point's plain box.
      {"notitle.dat", "\n1 0\n0 0\n1 0\n", BoxIcon::Information},
      {"firstpoint.dat", "T\n0.5 0\n1 0\n", BoxIcon::Information},
      {"double.dat", "T\n1 0\n0.5 0.1\n0.5 0.1\n0 0\n1 0\n", BoxIcon::None},
      {"open.dat", "T\n1 0\n0.5 0.1\n0 0\n", BoxIcon::Information},
      // No coordinate file at all.
      {"empty.dat", "", BoxIcon::Exclamation},
      {"picture.dat", "T\n1 0\n\0\n"s, BoxIcon::Exclamation},
      {"missing.dat", std::nullopt, BoxIcon::Exclamation},
      {"folder.dat", std::nullopt, BoxIcon::Exclamation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = dir.File(c.file);
    if (c.contents) WriteFile(path, *c.contents);
    files::AirfoilData data;
    const files::AirfoilReadResult result = files::ReadAirfoilFile(path, data);
    ASSERT_FALSE(result.ok());
    messages.shown.clear();
    EXPECT_EQ(commands::ShowAirfoilReadFailure(result, "Open airfoil"), result.boxText);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, result.boxText);
    EXPECT_EQ(messages.shown[0].title, "Open airfoil");
    EXPECT_EQ(messages.shown[0].icon, c.icon);
  }

  // A file read whole tells nothing.
  messages.shown.clear();
  WriteFile(dir.File("good.dat"), "T\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n");
  files::AirfoilData data;
  const files::AirfoilReadResult good = files::ReadAirfoilFile(dir.File("good.dat"), data);
  ASSERT_TRUE(good.ok());
  EXPECT_EQ(commands::ShowAirfoilReadFailure(good, "Open airfoil"), "");
  EXPECT_TRUE(messages.shown.empty());

  // More points than a point index holds is no refusal but the general error report.
  std::string many = "T\n1 0\n";
  for (int i = 1; i <= core::kMaxPoints; ++i) many += "0.5 " + std::to_string(i) + "\n";
  const files::AirfoilReadResult overflow = files::ParseAirfoilText(many, data);
  ASSERT_EQ(overflow.status, files::AirfoilReadStatus::Error);
  commands::ShowAirfoilReadFailure(overflow, "Open airfoil");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Erreur/1 Open/FichierLecture");
}

}  // namespace
