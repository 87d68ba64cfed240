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

TEST(KitChoices, BoxesTakeTheUnitInForceAndNameTheBoxAtFault) {
  commands::KitBoxRefusal refusal;
  std::optional<commands::KitSettings> s =
      commands::KitSettingsFromBoxes({"100", "1000", "2.5", ".2", output::CutFormat::Svg, "", " mm"}, refusal);
  ASSERT_TRUE(s);
  // The width is across the grain.
  EXPECT_EQ(std::tuple(s->sheet.widthMm, s->sheet.lengthMm, s->gapMm, s->cut.kerfMm, s->cut.format),
            std::tuple(100.0, 1000.0, 2.5, 0.2, output::CutFormat::Svg));
  // No kerf and no gap are allowed; a sheet of no size is not.
  ASSERT_TRUE(commands::KitSettingsFromBoxes({"100", "1000", "0", "", output::CutFormat::DxfR12, "", " mm"}, refusal));
  EXPECT_EQ(s->thicknessMm, 0);  // not given
  // Inches, fractions too: 4 by 39 3/8 in, a 1/16 in gap and kerf 0.01 in, 1/8 in thick.
  s = commands::KitSettingsFromBoxes({"4", "39 3/8", "1/16", "0.01", output::CutFormat::Svg, "1/8", " in"}, refusal);
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->sheet.widthMm, 101.6);
  EXPECT_DOUBLE_EQ(s->sheet.lengthMm, 1000.125);
  EXPECT_DOUBLE_EQ(s->gapMm, 1.5875);
  EXPECT_NEAR(s->cut.kerfMm, 0.254, 0.0005);
  EXPECT_DOUBLE_EQ(s->thicknessMm, 3.175);
  EXPECT_EQ(commands::KitNumberText(101.6, " in"), "4.000");

  const struct {
    commands::KitBoxTexts texts;
    commands::KitBox box;
  } refused[] = {
      {{"0", "1000", "2", "", {}, "", " mm"}, commands::KitBox::Width},
      {{"100", "", "2", "", {}, "", " mm"}, commands::KitBox::Length},
      {{"100", "1.0.0", "2", "", {}, "", " mm"}, commands::KitBox::Length},
      {{"100", "1000", "", "", {}, "", " mm"}, commands::KitBox::Gap},
      {{"100", "1000", "-1", "", {}, "", " mm"}, commands::KitBox::Gap},
      {{"100", "1000", "2", "10.5", {}, "", " mm"}, commands::KitBox::Kerf},  // wider than any cut
      {{"100", "1000", "2", "", {}, "0", " mm"}, commands::KitBox::Thickness},
      {{"4", "1 2/3/4", "0", "", {}, "", " in"}, commands::KitBox::Length},
      {{"4", "40", "-1/16", "", {}, "", " in"}, commands::KitBox::Gap},
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
  EXPECT_EQ(std::tuple(fresh.settings.sheet.widthMm, fresh.settings.sheet.lengthMm, fresh.settings.gapMm,
                       fresh.settings.cut.format), std::tuple(100.0, 1000.0, 2.0, output::CutFormat::DxfR2000));

  commands::KitChoices c;
  c.settings.sheet = core::SheetSize{914.4, 101.6};
  c.settings.gapMm = 1.5;
  c.settings.cut.kerfMm = 0.15;
  c.settings.cut.format = output::CutFormat::DxfR12;
  c.folder = "/somewhere/kit";
  commands::StoreKitChoices(c);
  EXPECT_EQ(store.Get("Kit", "Length"), "914.4");
  const commands::KitChoices back = commands::LoadKitChoices();
  EXPECT_EQ(std::tuple(back.settings.sheet.lengthMm, back.settings.sheet.widthMm, back.settings.gapMm,
                       back.settings.cut.kerfMm, back.settings.cut.format, back.folder),
            std::tuple(914.4, 101.6, 1.5, 0.15, output::CutFormat::DxfR12, std::string("/somewhere/kit")));
  // One side unreadable: the default sheet whole, not half of each.
  store.Set("Kit", "Width", "wide");
  store.Set("Kit", "Kerf", "99");
  const commands::KitChoices damaged = commands::LoadKitChoices();
  EXPECT_EQ(std::tuple(damaged.settings.sheet.widthMm, damaged.settings.sheet.lengthMm, damaged.settings.cut.kerfMm),
            std::tuple(100.0, 1000.0, 0.0));
}

TEST(KitChoices, OnlyTheNamesAKitGivesAreAKitsFiles) {
  testsupport::TempDir dir;
  const std::vector<std::string> ours{"sheet-01.dxf", "sheet-10.dxf", "sheet-02.svg", "sheet-123.dxf",
                                     "kit.txt",      "kit.pdf",      "kit-check.pdf"};
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

// The rib a series tool cleared is offered first, and chosen while the rib is still the
// cleared one; the kit then takes it whole. A project that cannot be read is refused by name.
TEST(KitChoices, TheSetUpBeforeTheSeriesIsKeptForTheKit) {
  commands::ForgetSetupBeforeSeries();
  core::RibDocument d;
  d.rib.chord = core::Length{240, "240"};
  d.rib.sheeting = core::Length{3, "3"};
  using commands::KitSetup;
  commands::KitSetupOffer offer = commands::OfferedKitSetups(d);
  EXPECT_EQ(offer.listed, (std::vector<KitSetup>{KitSetup::CurrentRib, KitSetup::ProjectFile}));
  EXPECT_EQ(offer.chosen, KitSetup::CurrentRib);

  const core::RibSetup before = d.rib;
  d.rib = core::RibSetup{};  // as clearing leaves it
  commands::KeepSetupBeforeSeries(before, d);
  offer = commands::OfferedKitSetups(d);
  EXPECT_EQ(offer.listed, (std::vector<KitSetup>{KitSetup::BeforeSeries, KitSetup::CurrentRib, KitSetup::ProjectFile}));
  EXPECT_EQ(offer.chosen, KitSetup::BeforeSeries);
  core::RibDocument templateRib;
  EXPECT_FALSE(commands::KitTemplate(d, KitSetup::BeforeSeries, "", templateRib));
  EXPECT_EQ(templateRib.rib.sheeting.mm, 3);
  EXPECT_EQ(templateRib.rib.chord.mm, 240);

  // An airfoil opened, or a value typed, since: the user means the rib as it is now.
  d.rib.sheeting = core::Length{2, "2"};
  EXPECT_EQ(commands::OfferedKitSetups(d).chosen, KitSetup::CurrentRib);
  d.rib = core::RibSetup{};
  d.airfoil.loaded = true;
  EXPECT_EQ(commands::OfferedKitSetups(d).chosen, KitSetup::CurrentRib);

  testsupport::TempDir dir;
  const std::optional<commands::KitRefusal> missing =
      commands::KitTemplate(d, KitSetup::ProjectFile, dir.File("gone.vdl"), templateRib);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->key, "project");
  EXPECT_EQ(missing->subject, dir.File("gone.vdl"));
  commands::ForgetSetupBeforeSeries();
  EXPECT_EQ(commands::OfferedKitSetups(d).listed.size(), 2u);
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
