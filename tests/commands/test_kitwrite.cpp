// Writing the cutting kit: the same kit every time, all files or none, and an earlier kit
// replaced whole or left untouched.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "commands/cutkitfixture.h"

namespace {

TEST_F(CutKit, TheSameKitEveryTime) {
  const commands::KitRibList list = commands::KitRibsOf({summary}, 0);
  testsupport::TempDir again;
  ASSERT_TRUE(commands::WriteKit(commands::PlanKit(templateRib, list.ribs, settings), settings, out.path().string()).ok);
  ASSERT_TRUE(commands::WriteKit(commands::PlanKit(templateRib, list.ribs, settings), settings, again.path().string()).ok);
  ASSERT_EQ(FilesIn(out.path()), FilesIn(again.path()));
  for (const std::string& name : FilesIn(out.path()))
    EXPECT_EQ(testsupport::ReadFile(out.File(name)), testsupport::ReadFile(again.File(name))) << name;
}

TEST_F(CutKit, AllFilesOrNone) {
  const commands::KitPlan plan = commands::PlanKit(templateRib, commands::KitRibsOf({summary}, 0).ribs, settings);
  ASSERT_FALSE(plan.refusal);
  // The PDF, made last, fails: the sheets and the list written before it go too.
  platform::RecordingPageOutput pages;
  pages.failEnd = true;
  auto failing = [&pages](const std::string&) { return std::make_unique<Forwarding>(pages); };
  EXPECT_FALSE(commands::WriteKit(plan, settings, out.path().string(), failing).ok);
  EXPECT_EQ(static_cast<int>(pages.sheets.size()), plan.sheets) << "a page per sheet";
  EXPECT_EQ(pages.begun.at(0).lengthMm, 1000);
  EXPECT_EQ(pages.begun.at(0).widthMm, 100);
  EXPECT_TRUE(FilesIn(out.path()).empty());
  {
    // The disk fills on the first sheet, after the short list.
    platform::ScopedWriteFault full(ENOSPC, 10000);
    const commands::KitWriteResult result = commands::WriteKit(plan, settings, out.path().string());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.number, platform::kErrDiskFull);
  }
  EXPECT_TRUE(FilesIn(out.path()).empty());
  // A folder where the list goes: refused before anything is written, and left alone.
  std::filesystem::create_directory(out.File("kit.txt"));
  const commands::KitWriteResult refused = commands::WriteKit(plan, settings, out.path().string());
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error.refusal, "not-a-file");
  EXPECT_EQ(FilesIn(out.path()), std::set<std::string>{"kit.txt"});
  EXPECT_TRUE(std::filesystem::is_directory(out.File("kit.txt")));
  // A file where the folder goes: refused, and kept.
  testsupport::WriteFile(out.File("plain"), "mine");
  EXPECT_EQ(commands::WriteKit(plan, settings, out.File("plain")).error.refusal, "not-a-file");
  EXPECT_EQ(testsupport::ReadFile(out.File("plain")), "mine");
  std::filesystem::remove(out.File("plain"));
  // A folder not there yet is made for the kit, and goes again when the kit fails.
  const std::string fresh = out.File("fresh");
  EXPECT_FALSE(commands::WriteKit(plan, settings, fresh, failing).ok);
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_TRUE(commands::WriteKit(plan, settings, fresh).ok);
  EXPECT_TRUE(std::filesystem::exists(fresh + "/kit.txt"));
}

// kit-check.pdf lays each 1000 x 100 mm sheet over A4 as the rib print tiles a rib: 272 mm
// shown a page, 252 mm further on each, so 4 pages a sheet (the fourth reaches 1028 mm), or
// 5 on Letter (234.4 mm further on each); a page names its sheet, row and column, and shows
// the sheet's left end 10 - 252 = -242 mm along on the second column.
TEST_F(CutKit, TheCheckTilesEverySheetOverThePrintersPaper) {
  const commands::KitPlan plan = commands::PlanKit(templateRib, commands::KitRibsOf({summary}, 0).ribs, settings);
  ASSERT_FALSE(plan.refusal);
  std::map<std::string, platform::RecordingPageOutput> pdfs;
  auto pdf = [&pdfs](const std::string& path) {
    return std::make_unique<Forwarding>(pdfs[std::filesystem::path(path).filename().string()]);
  };
  for (const auto& [paper, tiles, length] : {std::tuple{0, 4, 297.0}, std::tuple{1, 5, 279.4}}) {
    settings.check.paperIndex = static_cast<std::uint8_t>(paper);
    ASSERT_TRUE(commands::WriteKit(plan, settings, out.path().string(), pdf).ok);
    EXPECT_EQ(static_cast<int>(pdfs["kit.pdf"].sheets.size()), plan.sheets);
    const platform::RecordingPageOutput& check = pdfs["kit-check.pdf"];
    ASSERT_EQ(static_cast<int>(check.sheets.size()), plan.sheets * tiles);
    EXPECT_NEAR(check.begun.back().lengthMm, length, 1e-9);
    const platform::RecordingTarget& second = check.sheets[1];
    ASSERT_FALSE(second.texts.empty());
    EXPECT_EQ(second.texts.back().text, "sheet-01.dxf   row 1 / 1   column 2 / " + std::to_string(tiles));
    // At the top margin's 10 mm along, 3 mm past the 15 mm bottom margin across the paper.
    EXPECT_DOUBLE_EQ(second.texts.back().x, 10);
    EXPECT_NEAR(second.texts.back().y, (paper == 0 ? 210 : 215.9) - 15 + 3, 1e-9);
    if (paper == 0) {
      bool leftEnd = false;
      for (const platform::RecordedLine& l : second.lines)
        leftEnd = leftEnd || (std::fabs(l.x1 + 242) < 1e-9 && std::fabs(l.x2 + 242) < 1e-9);
      EXPECT_TRUE(leftEnd);
    }
  }
}

// The kit owns its folder: written over an earlier kit it leaves the new kit whole or the
// earlier one untouched, keeps the user's own files and a list reached through a link (the
// link stays, its file gets the list), and leaves no hidden file either way. A link to the
// folder stays a link.
TEST_F(CutKit, AKitReplacesTheEarlierOneWholeOrNotAtAll) {
  namespace fs = std::filesystem;
  const commands::KitPlan plan = commands::PlanKit(templateRib, commands::KitRibsOf({summary}, 0).ribs, settings);
  ASSERT_FALSE(plan.refusal);
  const std::string kit = out.File("kit");
  platform::RecordingPageOutput pages;
  auto pdf = [&pages](const std::string& path) { return std::make_unique<PdfAtEnd>(pages, path); };
  ASSERT_TRUE(commands::WriteKit(plan, settings, kit, pdf).ok);
  const std::string fresh = testsupport::ReadFile(kit + "/kit.txt");
  std::uintmax_t kitBytes = 0;  // the list and the sheets, written before the PDF
  for (const std::string& name : FilesIn(kit))
    if (name != "kit.pdf" && name != "kit-check.pdf") kitBytes += fs::file_size(kit + "/" + name);
  testsupport::WriteFile(kit + "/notes.txt", "mine");
  fs::create_directory(out.File("lists"));
  fs::rename(kit + "/kit.txt", out.File("lists/wing.txt"));
  testsupport::WriteFile(out.File("lists/wing.txt"), "the list before");
  fs::create_symlink("../lists/wing.txt", kit + "/kit.txt");
  testsupport::WriteFile(kit + "/sheet-09.dxf", "an earlier kit's last sheet");
  const std::set<std::string> before = FilesIn(kit);
  const std::set<std::string> around{"kit", "lists"};

  // The PDF writes part of its file, then fails.
  auto partial = [&pages](const std::string& path) {
    testsupport::WriteFile(path, "%PDF-1.4 half");
    pages.failEnd = true;
    return std::make_unique<Forwarding>(pages);
  };
  EXPECT_FALSE(commands::WriteKit(plan, settings, kit, partial).ok);
  pages.failEnd = false;
  EXPECT_EQ(FilesIn(kit), before);
  EXPECT_EQ(FilesIn(out.path()), around);
  {
    // The disk fills as the PDF is written: the words name kit.pdf in the user's folder.
    platform::ScopedWriteFault full(ENOSPC, kitBytes);
    const commands::KitWriteResult failed = commands::WriteKit(plan, settings, kit, pdf);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error.description.find(kit + "/kit.pdf"), std::string::npos) << failed.error.description;
    EXPECT_EQ(failed.error.description.find(".kit-"), std::string::npos) << failed.error.description;
  }
  EXPECT_EQ(FilesIn(kit), before);
  EXPECT_EQ(FilesIn(out.path()), around);
  EXPECT_EQ(testsupport::ReadFile(out.File("lists/wing.txt")), "the list before");
  // A folder holding a file put where a sheet goes while the PDF is made: refused, kept.
  auto blocking = [&](const std::string& path) {
    if (fs::path(path).filename() == "kit.pdf") {
      fs::remove(kit + "/sheet-01.dxf");
      fs::create_directory(kit + "/sheet-01.dxf");
      testsupport::WriteFile(kit + "/sheet-01.dxf/inside", "x");
    }
    return std::make_unique<PdfAtEnd>(pages, path);
  };
  const commands::KitWriteResult blocked = commands::WriteKit(plan, settings, kit, blocking);
  EXPECT_EQ(blocked.error.refusal, "not-a-file");
  EXPECT_EQ(testsupport::ReadFile(kit + "/sheet-01.dxf/inside"), "x");
  EXPECT_EQ(FilesIn(out.path()), around);
  fs::remove_all(kit + "/sheet-01.dxf");

  // A replaced file and the folder keep the modes they had.
  const fs::perms mine = fs::perms::owner_read | fs::perms::owner_write, folder = fs::perms::owner_all;
  fs::permissions(kit + "/kit.pdf", mine);
  fs::permissions(kit, folder);
  const commands::KitWriteResult written = commands::WriteKit(plan, settings, kit, pdf);
  ASSERT_TRUE(written.ok) << written.error.description;
  EXPECT_EQ(fs::status(kit + "/kit.pdf").permissions(), mine);
  EXPECT_EQ(fs::status(kit).permissions(), folder);
  EXPECT_EQ(written.removed, std::vector<std::string>{kit + "/sheet-09.dxf"});
  EXPECT_TRUE(fs::is_symlink(kit + "/kit.txt"));
  EXPECT_EQ(testsupport::ReadFile(out.File("lists/wing.txt")), fresh);
  EXPECT_EQ(testsupport::ReadFile(kit + "/notes.txt"), "mine");
  std::set<std::string> after = before;
  after.erase("sheet-09.dxf");
  EXPECT_EQ(FilesIn(kit), after);
  EXPECT_EQ(FilesIn(out.path()), around);
  // Reached through a link, the folder it leads to takes the kit; the link stays.
  fs::create_directory_symlink("kit", out.File("linked"));
  ASSERT_TRUE(commands::WriteKit(plan, settings, out.File("linked"), pdf).ok);
  EXPECT_TRUE(fs::is_symlink(out.File("linked")));
  EXPECT_EQ(FilesIn(kit), after);
  fs::remove(out.File("linked"));

  // A folder of the user's inside cannot be carried into a new folder: the kit is written
  // in place, all or nothing, the folder kept.
  fs::create_directory(kit + "/photos");
  testsupport::WriteFile(kit + "/photos/rib.jpg", "mine");
  testsupport::WriteFile(kit + "/sheet-07.dxf", "an earlier kit's sheet");
  const commands::KitWriteResult inPlace = commands::WriteKit(plan, settings, kit, pdf);
  ASSERT_TRUE(inPlace.ok) << inPlace.error.description;
  EXPECT_EQ(inPlace.removed, std::vector<std::string>{kit + "/sheet-07.dxf"});
  EXPECT_EQ(testsupport::ReadFile(kit + "/photos/rib.jpg"), "mine");
  after.insert("photos");
  EXPECT_EQ(FilesIn(kit), after);
  EXPECT_EQ(FilesIn(out.path()), around);
}

}  // namespace
