// The INI layer carries the settings and every caption of the program: a lost line is a
// lost setting, a misread name a blank caption.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "files/ini.h"
#include "platform/fileio.h"
#include "support/testsupport.h"

namespace {

using files::GetINIFile;
using files::WriteINIFile;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace fs = std::filesystem;

TEST(Ini, NamesIgnoreCaseAndValuesLoseSurroundingBlanks) {
  TempDir dir;
  const std::string ini = dir.File("a.ini");
  WriteFile(ini, "[CouLeurs]\r\n  CoulProfil =  7 \t\r\n[ Other ]\r\nkey=x\r\n");
  EXPECT_EQ(GetINIFile("couleurs", "COULPROFIL", ini) + GetINIFile("other", "KEY", ini), "7x");
  // A key of another section, a missing section, key or file all read as "".
  EXPECT_EQ(GetINIFile("Couleurs", "key", ini) + GetINIFile("Marges", "key", ini) +
                GetINIFile("Couleurs", "coulaxe", ini) + GetINIFile("Couleurs", "coulprofil", dir.File("none.ini")),
            "");

  // The first of a key given twice counts and a section given twice is one section, as a
  // look-up through the lines finds them; a line before any section belongs to none.
  const std::string twice = dir.File("twice.ini");
  WriteFile(twice, "orphan=1\r\n[A]\r\nk=first\r\nK=second\r\n[B]\r\nk=b\r\n[a]\r\nk=third\r\nlate=4\r\n");
  EXPECT_EQ(GetINIFile("a", "k", twice) + GetINIFile("A", "LATE", twice) + GetINIFile("b", "k", twice), "first4b");
  EXPECT_EQ(GetINIFile("", "orphan", twice), "");

  // A write to a name spelled otherwise replaces the value rather than adding a key.
  ASSERT_TRUE(WriteINIFile("COULEURS", "coulprofil", "3", ini));
  EXPECT_EQ(ReadFile(ini), "[CouLeurs]\r\nCoulProfil=3\r\n[ Other ]\r\nkey=x\r\n");
}

TEST(Ini, ValueReadsBackAtMost199Characters) {
  TempDir dir;
  const std::string ini = dir.File("a.ini");
  const std::string dir200 = "/" + std::string(199, 'd');
  ASSERT_TRUE(WriteINIFile("Repertoires", "RepProfil", dir200, ini));
  EXPECT_EQ(GetINIFile("Repertoires", "RepProfil", ini), dir200.substr(0, 199));
  // The whole value stays in the file; only reading cuts it.
  EXPECT_NE(ReadFile(ini).find(dir200), std::string::npos);

  // Characters, not bytes: a multi-byte character is never split.
  std::string accented;
  for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";  // é
  ASSERT_TRUE(WriteINIFile("Repertoires", "RepProfil", accented, ini));
  EXPECT_EQ(GetINIFile("Repertoires", "RepProfil", ini), accented.substr(0, 2 * 199));
}

TEST(Ini, ReadsLfCrLfAndCrFilesAndWritesBackInTheFilesOwnLineEnding) {
  TempDir dir;
  const std::string lf = dir.File("lf.ini"), crlf = dir.File("crlf.ini"), cr = dir.File("cr.ini");
  WriteFile(lf, "[s]\na=1\nb=2");  // no final line break
  WriteFile(crlf, "[s]\r\na=1\r\nb=2\r\n");
  WriteFile(cr, "[s]\ra=1\rb=2\r");
  for (const std::string& f : {lf, crlf, cr}) EXPECT_EQ(GetINIFile("s", "a", f) + GetINIFile("s", "b", f), "12") << f;
  ASSERT_TRUE(WriteINIFile("s", "a", "9", lf));
  EXPECT_EQ(ReadFile(lf), "[s]\na=9\nb=2\n");
  // Several keys of a section in one write: known ones in place, new ones at the end.
  ASSERT_TRUE(files::WriteINIEntries("s", {{"c", "3"}, {"b", "8"}, {"a", "7"}}, lf));
  EXPECT_EQ(ReadFile(lf), "[s]\na=7\nb=8\nc=3\n");
  ASSERT_TRUE(WriteINIFile("s", "c", "3", crlf));
  EXPECT_EQ(ReadFile(crlf), "[s]\r\na=1\r\nb=2\r\nc=3\r\n");
  // A new file is written the way the settings file has always been: CR LF.
  const std::string fresh = dir.File("new.ini");
  ASSERT_TRUE(WriteINIFile("Language", "Langue", "English", fresh));
  EXPECT_EQ(ReadFile(fresh), "[Language]\r\nLangue=English\r\n");
}

TEST(Ini, WriteChangesOnlyItsOwnLine) {
  TempDir dir;
  const std::string ini = dir.File("a.ini");
  const std::string before =
      "; written by hand\r\n[Couleurs]\r\ncoulprofil=0\r\n; keep me\r\nunknownkey=abc\r\ncoulaxe=12\r\n"
      "\r\n[Marges]\r\nMargeHaut=10\r\n";
  WriteFile(ini, before);

  ASSERT_TRUE(WriteINIFile("Couleurs", "coulaxe", "4", ini));
  std::string expected = before;
  expected.replace(expected.find("coulaxe=12"), 10, "coulaxe=4");
  EXPECT_EQ(ReadFile(ini), expected);

  // A new key goes at the end of its section, before the blank line that ends it.
  ASSERT_TRUE(WriteINIFile("Couleurs", "coulbf", "9", ini));
  expected.insert(expected.find("\r\n\r\n[Marges]") + 2, "coulbf=9\r\n");
  EXPECT_EQ(ReadFile(ini), expected);

  // A new section goes at the end, after a blank line.
  ASSERT_TRUE(WriteINIFile("LastFiles", "RecentFile1", "/a.dat", ini));
  expected += "\r\n[LastFiles]\r\nRecentFile1=/a.dat\r\n";
  EXPECT_EQ(ReadFile(ini), expected);
}

TEST(Ini, Windows1252FilesKeepTheirBytesAndEncodingSurvivesWrites) {
  TempDir dir;
  const std::string ini = dir.File("Francais.lng");
  // "é" is 0xE9 and "€" 0x80 in Windows-1252; 0x81 is undefined there and must survive.
  WriteFile(ini, "[FrmAbout]\r\n1=\xC0 propos\r\n2=Co\xFBt 5 \x80\r\n; \x81\r\n");
  EXPECT_EQ(GetINIFile("FrmAbout", "1", ini), "\xC3\x80 propos");
  EXPECT_EQ(GetINIFile("FrmAbout", "2", ini), "Co\xC3\xBBt 5 \xE2\x82\xAC");

  // A value that Windows-1252 can hold keeps the file in its code page, byte for byte.
  ASSERT_TRUE(WriteINIFile("FrmAbout", "3", "D\xC3\xA9" "faut", ini));
  EXPECT_EQ(ReadFile(ini), "[FrmAbout]\r\n1=\xC0 propos\r\n2=Co\xFBt 5 \x80\r\n; \x81\r\n3=D\xE9" "faut\r\n");

  // One it cannot hold turns the file into UTF-8; every text reads as before.
  ASSERT_TRUE(WriteINIFile("FrmAbout", "4", "\xCE\xA9", ini));  // Ω
  EXPECT_TRUE(files::IsValidUtf8(ReadFile(ini)));
  EXPECT_EQ(GetINIFile("FrmAbout", "1", ini), "\xC3\x80 propos");
  EXPECT_EQ(GetINIFile("FrmAbout", "3", ini), "D\xC3\xA9" "faut");
  EXPECT_EQ(GetINIFile("FrmAbout", "4", ini), "\xCE\xA9");

  // Only the 0xFF of b marked this file as Windows-1252: once b is replaced, the bytes
  // C3 A9 of a must not turn into one UTF-8 "é". A value that is not UTF-8 is Windows-1252.
  // A byte order mark is kept and does not hide the first section.
  WriteFile(ini, "[s]\na=\xC3\xA9\nb=\xFF\n");
  EXPECT_EQ(GetINIFile("s", "a", ini), "\xC3\x83\xC2\xA9");
  ASSERT_TRUE(WriteINIFile("s", "b", "x", ini));
  EXPECT_EQ(GetINIFile("s", "a", ini), "\xC3\x83\xC2\xA9");

  WriteFile(ini, "[s]\r\nkeep=\xE2\x82\xAC\r\n");  // a UTF-8 file
  ASSERT_TRUE(WriteINIFile("s", "path", "/home/Ren\xE9", ini));
  EXPECT_EQ(GetINIFile("s", "path", ini), "/home/Ren\xC3\xA9");
  EXPECT_EQ(GetINIFile("s", "keep", ini), "\xE2\x82\xAC");

  WriteFile(ini, "\xEF\xBB\xBF[Couleurs]\r\ncoulprofil=0\r\n");
  ASSERT_TRUE(WriteINIFile("Couleurs", "coulprofil", "5", ini));
  EXPECT_EQ(GetINIFile("Couleurs", "coulprofil", ini), "5");
  EXPECT_EQ(ReadFile(ini), "\xEF\xBB\xBF[Couleurs]\r\ncoulprofil=5\r\n");
}

// A path holding a line break would otherwise plant a line of its own in the file; a write
// that fails half way must not cut the old one. (The failure injected in the atomic writer
// shows the INI layer writes through it, which keeps links and modes.)
TEST(Ini, RefusedOrFailedWritesLeaveTheFileWhole) {
  TempDir dir;
  const std::string ini = dir.File("Vandrell.ini");
  const std::string before = "[LastFiles]\r\nRecentFile1=/a.dat\r\n";
  WriteFile(ini, before);
  EXPECT_FALSE(WriteINIFile("LastFiles", "RecentFile1", "/x\r\n[Repertoires]\r\nInstall=", ini));
  EXPECT_FALSE(WriteINIFile("LastFiles", "Recent=File", "v", ini));
  EXPECT_FALSE(WriteINIFile("Last]Files", "RecentFile1", "v", ini));
  EXPECT_FALSE(WriteINIFile("LastFiles", " ", "v", ini));
  EXPECT_FALSE(WriteINIFile("", "RecentFile1", "v", ini));
  {
    platform::ScopedWriteFault full(ENOSPC, 10);
    EXPECT_FALSE(WriteINIFile("LastFiles", "RecentFile1", "/b", ini));
  }
  EXPECT_EQ(ReadFile(ini), before);

  ASSERT_TRUE(WriteINIFile("LastFiles", "RecentFile1", "/b", ini));
  EXPECT_EQ(testsupport::FileNamesIn(dir.path()), std::vector<std::string>{"Vandrell.ini"});
  EXPECT_EQ(GetINIFile("LastFiles", "RecentFile1", ini), "/b");
}

// Look-ups are answered from a kept copy of the file; whatever changes the file on disk
// must be seen at the next look-up, even within the same tick of the clock.
TEST(Ini, LookUpsFollowTheFileOnDisk) {
  TempDir dir;
  const std::string ini = dir.File("Vandrell.ini");
  WriteFile(ini, "[s]\na=1\n");
  EXPECT_EQ(GetINIFile("s", "a", ini), "1");
  WriteFile(ini, "[s]\na=2\n");  // in place, same size, at once
  EXPECT_EQ(GetINIFile("s", "a", ini), "2");

  // An old file, read once, then changed with its modification time put back: the
  // change of its entry still shows.
  const auto old = fs::last_write_time(ini) - std::chrono::hours(1);
  fs::last_write_time(ini, old);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // past the tick: the copy is trusted
  EXPECT_EQ(GetINIFile("s", "a", ini), "2");
  WriteFile(ini, "[s]\na=3\n");
  fs::last_write_time(ini, old);
  EXPECT_EQ(GetINIFile("s", "a", ini), "3");

  // A write of the program's own is seen at once; one that would change nothing leaves
  // the file untouched. A file gone, or a folder or a pipe in its place, reads as nothing.
  ASSERT_TRUE(WriteINIFile("s", "b", "4", ini));
  EXPECT_EQ(GetINIFile("s", "a", ini) + GetINIFile("s", "b", ini), "34");
  fs::last_write_time(ini, old);
  ASSERT_TRUE(WriteINIFile("s", "A", "3", ini));
  EXPECT_EQ(fs::last_write_time(ini), old);
  fs::remove(ini);
  EXPECT_EQ(GetINIFile("s", "a", ini), "");
  fs::create_directory(ini);
  EXPECT_EQ(GetINIFile("s", "a", ini), "");
  // Every caption reads the language file: a pipe in its place must not hold one up.
  const std::string pipe = testsupport::MakeFifo(dir.File("pipe.ini"));
  EXPECT_LT(testsupport::SecondsTaken([&] { EXPECT_EQ(GetINIFile("s", "a", pipe), ""); }), 1.0);
}

TEST(Ini, Utf8CheckRefusesOverlongsSurrogatesAndTruncatedSequences) {
  EXPECT_TRUE(files::IsValidUtf8("plain \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  // Two overlong "/", a surrogate, beyond U+10FFFF, cut short, Windows-1252 "été".
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82", "\xE9t\xE9"})
    EXPECT_FALSE(files::IsValidUtf8(bad)) << testing::PrintToString(std::string(bad));
}

}  // namespace
