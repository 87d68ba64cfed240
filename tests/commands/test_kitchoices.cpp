// The cutting kit window's rules: what its boxes take, what it remembers, which files of an
// earlier kit go; and the folder every writing window proposes.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/kitchoices.h"
#include "commands/outputfolder.h"
#include "platform/userstore.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;

TEST(KitChoices, BoxesTakeMillimetresAndNameTheBoxAtFault) {
  commands::KitBoxRefusal refusal;
  std::optional<commands::KitSettings> s =
      commands::KitSettingsFromBoxes({"100", "1000", "2.5", ".2", output::CutFormat::Svg}, refusal);
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->sheet.widthMm, 100);  // across the grain
  EXPECT_DOUBLE_EQ(s->sheet.lengthMm, 1000);
  EXPECT_DOUBLE_EQ(s->gapMm, 2.5);
  EXPECT_DOUBLE_EQ(s->cut.kerfMm, 0.2);
  EXPECT_EQ(s->cut.format, output::CutFormat::Svg);
  // No kerf and no gap are allowed; a sheet of no size is not.
  ASSERT_TRUE(commands::KitSettingsFromBoxes({"100", "1000", "0", "", output::CutFormat::DxfR12}, refusal));

  const struct {
    commands::KitBoxTexts texts;
    commands::KitBox box;
  } refused[] = {
      {{"0", "1000", "2", "", {}}, commands::KitBox::Width},
      {{"100", "", "2", "", {}}, commands::KitBox::Length},
      {{"100", "1.0.0", "2", "", {}}, commands::KitBox::Length},
      {{"100", "1000", "", "", {}}, commands::KitBox::Gap},
      {{"100", "1000", "-1", "", {}}, commands::KitBox::Gap},
      {{"100", "1000", "2", "10.5", {}}, commands::KitBox::Kerf},  // wider than any cut
  };
  for (const auto& r : refused) {
    refusal = {};
    EXPECT_FALSE(commands::KitSettingsFromBoxes(r.texts, refusal)) << r.texts.width << " " << r.texts.length;
    EXPECT_EQ(refusal.box, r.box) << r.texts.width << " " << r.texts.length << " " << r.texts.gap;
  }
}

TEST(KitChoices, RememberedInTheirOwnSectionAndUnreadableValuesReadAsDefaults) {
  platform::MemoryUserStore store;
  platform::ScopedUserStore use(&store);
  commands::KitChoices fresh = commands::LoadKitChoices();
  EXPECT_DOUBLE_EQ(fresh.settings.sheet.widthMm, 100);
  EXPECT_DOUBLE_EQ(fresh.settings.sheet.lengthMm, 1000);
  EXPECT_DOUBLE_EQ(fresh.settings.gapMm, 2);
  EXPECT_EQ(fresh.settings.cut.format, output::CutFormat::DxfR2000);

  commands::KitChoices c;
  c.settings.sheet = core::SheetSize{914.4, 101.6};
  c.settings.gapMm = 1.5;
  c.settings.cut.kerfMm = 0.15;
  c.settings.cut.format = output::CutFormat::DxfR12;
  c.folder = "/somewhere/kit";
  commands::StoreKitChoices(c);
  EXPECT_EQ(store.Get("Kit", "Length"), "914.4");
  const commands::KitChoices back = commands::LoadKitChoices();
  EXPECT_DOUBLE_EQ(back.settings.sheet.lengthMm, 914.4);
  EXPECT_DOUBLE_EQ(back.settings.sheet.widthMm, 101.6);
  EXPECT_DOUBLE_EQ(back.settings.gapMm, 1.5);
  EXPECT_DOUBLE_EQ(back.settings.cut.kerfMm, 0.15);
  EXPECT_EQ(back.settings.cut.format, output::CutFormat::DxfR12);
  EXPECT_EQ(back.folder, "/somewhere/kit");
  // One side unreadable: the default sheet whole, not half of each.
  store.Set("Kit", "Width", "wide");
  store.Set("Kit", "Kerf", "99");
  const commands::KitChoices damaged = commands::LoadKitChoices();
  EXPECT_DOUBLE_EQ(damaged.settings.sheet.widthMm, 100);
  EXPECT_DOUBLE_EQ(damaged.settings.sheet.lengthMm, 1000);
  EXPECT_DOUBLE_EQ(damaged.settings.cut.kerfMm, 0);
}

TEST(KitChoices, OnlyTheNamesAKitGivesAreAKitsFiles) {
  testsupport::TempDir dir;
  const std::vector<std::string> ours{"sheet-01.dxf", "sheet-10.dxf", "sheet-02.svg", "sheet-123.dxf", "kit.txt", "kit.pdf"};
  const std::vector<std::string> theirs{"sheet-1.dxf", "mysheet-03.dxf", "sheet-04.dxf.bak", "sheet-xx.dxf",
                                        "sheet-05.pdf", "notes.txt", "Kit.txt"};
  for (const std::string& name : ours) EXPECT_TRUE(commands::IsKitFileName(name)) << name;
  for (const std::string& name : theirs) EXPECT_FALSE(commands::IsKitFileName(name)) << name;
  for (const std::vector<std::string>* names : {&ours, &theirs})
    for (const std::string& name : *names) testsupport::WriteFile(dir.File(name), "x");
  fs::create_directory(dir.File("sheet-06.dxf"));  // a folder of that name is not a file of ours
  EXPECT_EQ(commands::KitFilesIn(dir.path().string()).size(), ours.size());
  EXPECT_TRUE(commands::KitFilesIn(dir.File("missing")).empty());
}

TEST(OutputFolder, TheLastVisibleFolderElseTheProjectsElseTheDocuments) {
  testsupport::TempDir dir;
  for (const char* d : {"data", "data/series", "docs", "work", "projects"}) fs::create_directory(dir.File(d));
  const std::string data = dir.File("data"), docs = dir.File("docs"), project = dir.File("projects/wing.vdl");
  using commands::ProposedOutputFolder;
  EXPECT_EQ(ProposedOutputFolder(dir.File("work"), project, docs, data), dir.File("work"));
  // The hidden data folder, however written, gives way to the project's folder.
  EXPECT_EQ(ProposedOutputFolder(dir.File("data/series"), project, docs, data), dir.File("projects"));
  EXPECT_EQ(ProposedOutputFolder(dir.File("work/../data/series/"), project, docs, data + "/"), dir.File("projects"));
  EXPECT_EQ(ProposedOutputFolder(data, "", docs, data), docs);
  // Reached through a link, from either side.
  fs::create_directory_symlink("data", dir.File("datalink"));
  EXPECT_EQ(ProposedOutputFolder(dir.File("datalink/series"), project, docs, data), dir.File("projects"));
  EXPECT_EQ(ProposedOutputFolder(dir.File("data/series"), project, docs, dir.File("datalink")), dir.File("projects"));
  // A folder beside the data folder whose name starts the same is not inside it.
  fs::create_directory(dir.File("data2"));
  EXPECT_EQ(ProposedOutputFolder(dir.File("data2"), "", docs, data), dir.File("data2"));
  // Gone, or never chosen: the project's folder while it is there, else the documents.
  EXPECT_EQ(ProposedOutputFolder(dir.File("gone"), project, docs, data), dir.File("projects"));
  EXPECT_EQ(ProposedOutputFolder("", dir.File("moved/wing.vdl"), docs, data), docs);
  EXPECT_EQ(ProposedOutputFolder("", "", docs, data), docs);
}

}  // namespace
