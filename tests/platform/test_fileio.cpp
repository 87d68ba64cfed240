// The two routines every reader and writer goes through, against what the file system
// hands them besides ordinary files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>
#include <tuple>

#include "platform/fileio.h"
#include "platform/texts.h"
#include "support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using platform::FileKind;
using platform::FileProblem;
using testsupport::ReadFile;
using testsupport::SecondsTaken;
using testsupport::TempDir;
using testsupport::WriteFile;

// The names in a folder, to see that no temporary file is left behind.
std::vector<std::string> Names(const TempDir& dir) { return testsupport::FileNamesIn(dir.path()); }

std::string MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << path;
  ::close(fd);
  return path;
}

// A character device of our own (the null device's numbers) where the system allows it:
// a test that got the writer wrong then replaces nothing of the system's.
bool MakeDevice(const std::string& path) { return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }

TEST(ReadWholeFile, RefusesWhatIsNotAFileAtOnceAndSaysWhatItIs) {
  TempDir dir;
  fs::create_directory(dir.File("folder.dat"));
  struct Case {
    std::string path;
    FileProblem problem;
    FileKind kind;
  };
  const std::vector<Case> cases = {
      {dir.File("folder.dat"), FileProblem::NotAFile, FileKind::Directory},
      {testsupport::MakeFifo(dir.File("pipe.dat")), FileProblem::NotAFile, FileKind::Pipe},
      {"/dev/zero", FileProblem::NotAFile, FileKind::CharacterDevice},
      {"/dev/null", FileProblem::NotAFile, FileKind::CharacterDevice},
      {MakeSocket(dir.File("socket.dat")), FileProblem::NotAFile, FileKind::Socket},
      {testsupport::MakeSparseFile(dir.File("huge.dat"), testsupport::kSeveralGigabytes), FileProblem::TooLarge,
       FileKind::Regular},
      {dir.File("none.dat"), FileProblem::NotFound, FileKind::Missing},
  };
  for (const Case& c : cases) {
    platform::ReadOutcome read;
    EXPECT_LT(SecondsTaken([&] { read = platform::ReadWholeFile(c.path); }), 1.0) << c.path;
    EXPECT_EQ(read.problem, c.problem) << c.path;
    EXPECT_EQ(read.kind, c.kind) << c.path;
    EXPECT_TRUE(read.bytes.empty()) << c.path;
    EXPECT_EQ(platform::CheckReadable(c.path).problem, c.problem) << c.path;
  }
  // The pipe is still a pipe: nothing opened it for writing or replaced it.
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.dat")));
}

TEST(ReadWholeFile, ReadsUpToTheBoundFollowsLinksAndMeetsAFileThatWentAway) {
  TempDir dir;
  const std::string file = dir.File("ten.dat");
  WriteFile(file, "0123456789");
  EXPECT_EQ(platform::ReadWholeFile(file, 10).bytes, "0123456789");
  const platform::ReadOutcome over = platform::ReadWholeFile(file, 9);
  EXPECT_EQ(over.problem, FileProblem::TooLarge);
  EXPECT_TRUE(over.bytes.empty());

  fs::create_symlink("ten.dat", dir.File("link.dat"));
  EXPECT_EQ(platform::ReadWholeFile(dir.File("link.dat")).bytes, "0123456789");
  fs::create_symlink(dir.File("folder"), dir.File("link-to-folder.dat"));
  fs::create_directory(dir.File("folder"));
  EXPECT_EQ(platform::ReadWholeFile(dir.File("link-to-folder.dat")).kind, FileKind::Directory);

  // Listed as a file, gone or turned into a pipe by the time it is read.
  EXPECT_TRUE(platform::CheckReadable(file).ok());
  fs::remove(file);
  EXPECT_EQ(platform::ReadWholeFile(file).problem, FileProblem::NotFound);
  EXPECT_EQ(platform::ReadWholeFile(dir.File("link.dat")).problem, FileProblem::NotFound);
  testsupport::MakeFifo(file);
  EXPECT_LT(SecondsTaken([&] { EXPECT_EQ(platform::ReadWholeFile(dir.File("link.dat")).kind, FileKind::Pipe); }), 1.0);

  WriteFile(dir.File("empty.dat"), "");
  const platform::ReadOutcome empty = platform::ReadWholeFile(dir.File("empty.dat"));
  EXPECT_TRUE(empty.ok());
  EXPECT_TRUE(empty.bytes.empty());
}

TEST(WriteFileAtomically, RefusesToReplaceWhatIsNotAFileAndLeavesItAsItWas) {
  TempDir dir;
  fs::create_directory(dir.File("folder.vdl"));
  WriteFile(dir.File("folder.vdl/inside"), "kept");
  testsupport::MakeFifo(dir.File("pipe.vdl"));
  MakeSocket(dir.File("socket.vdl"));
  fs::create_symlink("folder.vdl", dir.File("link-to-folder.vdl"));
  std::vector<std::pair<std::string, FileKind>> targets = {{dir.File("folder.vdl"), FileKind::Directory},
                                                           {dir.File("pipe.vdl"), FileKind::Pipe},
                                                           {dir.File("socket.vdl"), FileKind::Socket},
                                                           {dir.File("link-to-folder.vdl"), FileKind::Directory}};
  if (MakeDevice(dir.File("device.vdl"))) targets.emplace_back(dir.File("device.vdl"), FileKind::CharacterDevice);
  const std::vector<std::string> before = Names(dir);
  for (const auto& target : targets) {
    const std::string& path = target.first;  // a plain name: lambdas take it on every compiler
    const FileKind kind = target.second;
    platform::FileOutcome written;
    EXPECT_LT(SecondsTaken([&] { written = platform::WriteFileAtomically(path, "new"); }), 1.0) << path;
    EXPECT_EQ(written.problem, FileProblem::NotAFile) << path;
    EXPECT_EQ(written.kind, kind) << path;
  }
  EXPECT_EQ(Names(dir), before);
  EXPECT_EQ(ReadFile(dir.File("folder.vdl/inside")), "kept");
  EXPECT_TRUE(fs::is_fifo(dir.File("pipe.vdl")));
  EXPECT_TRUE(fs::is_symlink(dir.File("link-to-folder.vdl")));
  if (fs::exists(dir.File("device.vdl"))) {
    EXPECT_TRUE(fs::is_character_file(dir.File("device.vdl")));
  }
}

TEST(WriteFileAtomically, WritesThroughALinkAndKeepsModesOfReplacedFiles) {
  TempDir dir;
  fs::create_directory(dir.File("real"));
  const std::string real = dir.File("real/rib.vdl");
  WriteFile(real, "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real/rib.vdl", dir.File("rib.vdl"));
  ASSERT_TRUE(platform::WriteFileAtomically(dir.File("rib.vdl"), "new").ok());
  EXPECT_TRUE(fs::is_symlink(dir.File("rib.vdl")));
  EXPECT_EQ(ReadFile(real), "new");
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"real", "rib.vdl"}));

  // A link to a file not yet there creates it and stays a link.
  fs::create_symlink("real/later.dxf", dir.File("later.dxf"));
  ASSERT_TRUE(platform::WriteFileAtomically(dir.File("later.dxf"), "0\r\nEOF\r\n").ok());
  EXPECT_TRUE(fs::is_symlink(dir.File("later.dxf")));
  EXPECT_EQ(ReadFile(dir.File("real/later.dxf")), "0\r\nEOF\r\n");

  // A new file is readable by others as any file the user makes (not the temporary file's 0600).
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(platform::WriteFileAtomically(dir.File("new.ini"), "").ok());
  ::umask(mask);
  EXPECT_EQ(fs::status(dir.File("new.ini")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST(WriteFileAtomically, AFullDiskIsReportedAsSuchAndThePreviousFileStays) {
  TempDir dir;
  const std::string path = dir.File("rib.dxf");
  WriteFile(path, "previous");
  for (std::size_t after : {std::size_t{0}, std::size_t{3}}) {
    platform::ScopedWriteFault full(ENOSPC, after);
    const platform::FileOutcome written = platform::WriteFileAtomically(path, "a longer new drawing");
    EXPECT_EQ(written.problem, FileProblem::DiskFull);
    const platform::ErrorInfo error = platform::WriteErrorInfo(written, path);
    EXPECT_EQ(error.number, 61);
    EXPECT_EQ(error.description, "Disk full\n" + path);
    EXPECT_TRUE(error.refusal.empty());
  }
  EXPECT_EQ(ReadFile(path), "previous");
  EXPECT_EQ(Names(dir), std::vector<std::string>{"rib.dxf"});

  // The other causes a user can act on, each with its own number.
  const platform::FileOutcome noFolder = platform::WriteFileAtomically(dir.File("none/rib.dxf"), "x");
  EXPECT_EQ(platform::WriteErrorInfo(noFolder, dir.File("none/rib.dxf")).number, 76);
  {
    platform::ScopedWriteFault denied(EACCES);
    EXPECT_EQ(platform::WriteErrorInfo(platform::WriteFileAtomically(path, "x"), path).number, 70);
  }
  {
    platform::ScopedWriteFault broken(EIO);
    const platform::ErrorInfo error = platform::WriteErrorInfo(platform::WriteFileAtomically(path, "x"), path);
    EXPECT_EQ(error.number, 57);
    EXPECT_NE(error.description.find(path), std::string::npos);
  }
  EXPECT_EQ(ReadFile(path), "previous");
}

// A set of new files: each takes its name once whole, the later of two with one name
// replacing the earlier as one save after another would, and a failure part-way leaves the
// folder as it was.
TEST(WriteFilesAtomically, NewFilesTakeTheirNamesAndAFailureLeavesNothing) {
  TempDir dir;
  const std::string a = dir.File("a.dat"), b = dir.File("b.dat");
  const platform::SetWriteOutcome both =
      platform::WriteFilesAtomically({{a, "first"}, {b, "bee"}, {a, "second"}}, platform::SetWriteMode::AllOrNothing);
  EXPECT_TRUE(both.outcome.ok() && both.written == 3);
  EXPECT_EQ(ReadFile(a), "second");
  EXPECT_EQ(ReadFile(b), "bee");
  EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
  EXPECT_EQ(fs::status(a).permissions(), fs::status(b).permissions());

  for (platform::SetWriteMode mode : {platform::SetWriteMode::AllOrNothing, platform::SetWriteMode::KeepBefore}) {
    platform::ScopedWriteFault full(ENOSPC, 7);  // the second file fails after its first byte
    const platform::SetWriteOutcome r =
        platform::WriteFilesAtomically({{dir.File("c.dat"), "123456"}, {dir.File("d.dat"), "abcdef"}}, mode);
    const bool keepsFirst = mode == platform::SetWriteMode::KeepBefore;
    EXPECT_EQ(std::tuple(r.outcome.problem, r.failed, r.written), std::tuple(FileProblem::DiskFull, 1u, keepsFirst ? 1u : 0u));
    EXPECT_EQ(Names(dir), keepsFirst ? (std::vector<std::string>{"a.dat", "b.dat", "c.dat"})
                                     : (std::vector<std::string>{"a.dat", "b.dat"}));
  }
  EXPECT_EQ(ReadFile(dir.File("c.dat")), "123456");
}

// More new files than are kept open unnamed: the rest go through temporary names, and
// every one has the mode any new file of the user's has.
TEST(WriteFilesAtomically, ThreeHundredNewFilesAllWithTheUsualMode) {
  TempDir dir;
  std::vector<platform::FileToWrite> files;
  for (int i = 0; i < 300; ++i) files.push_back({dir.File("R" + std::to_string(i) + ".dat"), std::to_string(i)});
  const mode_t mask = ::umask(022);
  const platform::SetWriteOutcome r = platform::WriteFilesAtomically(files, platform::SetWriteMode::AllOrNothing);
  ::umask(mask);
  ASSERT_TRUE(r.outcome.ok());
  EXPECT_EQ(r.written, 300u);
  for (int i = 0; i < 300; ++i) {
    const std::string path = dir.File("R" + std::to_string(i) + ".dat");
    ASSERT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0644)) << path;
    ASSERT_EQ(ReadFile(path), std::to_string(i));
  }
  EXPECT_EQ(Names(dir).size(), 300u);
}

// A failure while the files take their names: all or nothing, those named already go back
// to the files they replaced (or to nothing); keeping the ones before, they stay new.
TEST(WriteFilesAtomically, AFailureWhileNamingTakesBackTheFilesNamedAlready) {
  TempDir dir;
  const std::string a = dir.File("a.dat"), b = dir.File("b.dat"), c = dir.File("c.dat");
  for (platform::SetWriteMode mode : {platform::SetWriteMode::AllOrNothing, platform::SetWriteMode::KeepBefore}) {
    WriteFile(a, "old a");
    WriteFile(b, "old b");
    // A replacement takes two steps, a temporary name, then the rename: b's first fails,
    // then, in a second try, its second.
    for (std::size_t step : {std::size_t{2}, std::size_t{3}}) {
      platform::ScopedNamingFault full(ENOSPC, step);
      const platform::SetWriteOutcome r = platform::WriteFilesAtomically({{a, "new a"}, {b, "new b"}, {c, "new c"}}, mode);
      const bool keepsFirst = mode == platform::SetWriteMode::KeepBefore;
      EXPECT_EQ(std::tuple(r.outcome.problem, r.failed, r.written), std::tuple(FileProblem::DiskFull, 1u, keepsFirst ? 1u : 0u));
      EXPECT_EQ(ReadFile(a), keepsFirst ? "new a" : "old a");
      EXPECT_EQ(ReadFile(b), "old b");
      EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
      WriteFile(a, "old a");
    }
  }
  // One path twice: the second finds the name taken by the first (step 1) and takes a
  // temporary name (2), which fails with a full disk; or it is renamed over the first (3)
  // and the next file fails (4). All or nothing, each time c goes again.
  for (std::size_t step : {std::size_t{2}, std::size_t{4}}) {
    platform::ScopedNamingFault full(ENOSPC, step);
    const platform::SetWriteOutcome twice = platform::WriteFilesAtomically(
        {{c, "first"}, {c, "second"}, {dir.File("d.dat"), "d"}}, platform::SetWriteMode::AllOrNothing);
    EXPECT_EQ(std::tuple(twice.outcome.problem, twice.failed, twice.written), std::tuple(FileProblem::DiskFull, step == 2 ? 1u : 2u, 0u));
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.dat", "b.dat"}));
  }
}

// What a killed run left (its temporary files, an earlier kit writer's, a kit folder being
// made) goes at the next write into the folder; a user's hidden files and a temporary file
// newer than the write stay.
TEST(WriteFileAtomically, ClearsWhatAKilledRunLeftAndNothingElse) {
  TempDir dir;
  WriteFile(dir.File("wing.vdl"), "old");
  for (const char* stale : {".rib.dat.4xYz9Q", ".sheet-01.dxf.kit~", ".wing.vdl.abcdef"}) WriteFile(dir.File(stale), "x");
  fs::create_directory(dir.File(".kit.kit-1aB2c3"));
  WriteFile(dir.File(".kit.kit-1aB2c3/sheet-01.dxf"), "x");
  const std::vector<std::string> kept{".bash_history.Xyz123", ".config.json.backup", ".late.dat.9abcde", ".notes.backup",
                                      ".photos.kit-backup", "rib.dat.4xYz9Q"};
  for (const std::string& name : kept) WriteFile(dir.File(name), "mine");
  fs::remove(dir.File(".photos.kit-backup"));
  fs::create_directory(dir.File(".photos.kit-backup"));
  WriteFile(dir.File(".photos.kit-backup/mine.jpg"), "mine");
  // A run writing now: its file is newer than the write.
  fs::last_write_time(dir.File(".late.dat.9abcde"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  ASSERT_TRUE(platform::WriteFileAtomically(dir.File("wing.vdl"), "new").ok());
  std::vector<std::string> expected = kept;
  expected.push_back("wing.vdl");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(dir), expected);
}

// Another run writing into the folder holds its lock: the write waits for it.
TEST(WriteFileAtomically, WaitsForAnotherRunWritingIntoTheFolder) {
  TempDir dir;
  const int other = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  std::atomic<bool> done{false};
  std::thread writer([&] {
    EXPECT_TRUE(platform::WriteFileAtomically(dir.File("a.dat"), "a").ok());
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(done);
  EXPECT_FALSE(fs::exists(dir.File("a.dat")));
  ::close(other);
  writer.join();
  EXPECT_EQ(ReadFile(dir.File("a.dat")), "a");
}

// A file marked read-only in a folder that may be written: refused, alone or in a set,
// unless the user said to replace it; then it stays read-only.
TEST(WriteFileAtomically, AReadOnlyFileIsReplacedOnlyWhenAsked) {
  TempDir dir;
  const std::string path = dir.File("rib.vdl");
  WriteFile(path, "old");
  fs::permissions(path, static_cast<fs::perms>(0444));
  const platform::FileOutcome refused = platform::WriteFileAtomically(path, "new");
  EXPECT_EQ(refused.problem, FileProblem::ReadOnly);
  EXPECT_TRUE(refused.refused());
  EXPECT_EQ(platform::WriteErrorInfo(refused, path).refusal, "read-only");
  const platform::SetWriteOutcome set =
      platform::WriteFilesAtomically({{dir.File("a.dat"), "a"}, {path, "new"}}, platform::SetWriteMode::AllOrNothing);
  EXPECT_EQ(set.outcome.problem, FileProblem::ReadOnly);
  EXPECT_EQ(set.failed, 1u);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(Names(dir), std::vector<std::string>{"rib.vdl"});
  EXPECT_FALSE(platform::MayWrite(path));
  ASSERT_TRUE(platform::WriteFileAtomically(path, "new", platform::ReadOnlyFiles::Replace).ok());
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0444));
}

// A real full disk where this machine lets a test mount a small one.
TEST(WriteFileAtomically, AFullSmallFileSystem) {
  TempDir dir;
  const std::string mountPoint = dir.File("small");
  fs::create_directory(mountPoint);
  if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "mounting a small file system is not allowed here";
  struct Unmount {
    std::string at;
    ~Unmount() { ::umount(at.c_str()); }
  } unmount{mountPoint};
  const std::string path = mountPoint + "/rib.vdl";
  WriteFile(path, "previous");
  const platform::FileOutcome written = platform::WriteFileAtomically(path, std::string(256 * 1024, 'x'));
  EXPECT_EQ(written.problem, FileProblem::DiskFull);
  EXPECT_EQ(platform::WriteErrorInfo(written, path).number, 61);
  EXPECT_EQ(ReadFile(path), "previous");
  EXPECT_EQ(std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator()), 1);
  EXPECT_TRUE(platform::WriteFileAtomically(path, "fits").ok());
  EXPECT_EQ(ReadFile(path), "fits");
}

// A folder to write into: missing, something else, or one that may not be written (a
// read-only disk where this machine lets a test mount one; the superuser writes any other).
TEST(CheckWritableFolder, TellsAMissingFolderFromOneThatMayNotBeWritten) {
  TempDir dir;
  WriteFile(dir.File("file"), "x");
  EXPECT_TRUE(platform::CheckWritableFolder(dir.path().string()).ok());
  EXPECT_EQ(platform::CheckWritableFolder(dir.File("none")).problem, FileProblem::NotFound);
  EXPECT_EQ(platform::CheckWritableFolder(dir.File("none/deeper")).problem, FileProblem::NotFound);
  EXPECT_EQ(platform::CheckWritableFolder(dir.File("file")).problem, FileProblem::NotAFile);
  const std::string locked = dir.File("locked");
  fs::create_directory(locked);
  const bool mounted = ::geteuid() == 0 && ::mount("tmpfs", locked.c_str(), "tmpfs", MS_RDONLY, "size=16k") == 0;
  if (::geteuid() != 0) fs::permissions(locked, static_cast<fs::perms>(0555));
  if (::geteuid() == 0 && !mounted) GTEST_SKIP() << "mounting a read-only file system is not allowed here";
  const platform::FileOutcome denied = platform::CheckWritableFolder(locked);
  if (mounted) ::umount(locked.c_str());
  EXPECT_EQ(denied.problem, FileProblem::Denied);
  EXPECT_EQ(platform::WriteErrorInfo(denied, locked).number, 70);
}

TEST(FileErrors, NameTheFileInTheUsersWordsAndMarkRefusals) {
  platform::SetTextLookup([](std::string_view section, std::string_view key) {
    return std::string(section) + "/" + std::string(key);
  });
  const platform::FileOutcome folder{FileProblem::NotAFile, FileKind::Directory};
  const platform::ErrorInfo read = platform::ReadErrorInfo(folder, "/x/ribs"), write = platform::WriteErrorInfo(folder, "/x/ribs");
  EXPECT_EQ(std::tuple(read.description, read.refusal), std::tuple("Erreur/200\n/x/ribs", "not-a-file"));
  EXPECT_EQ(std::tuple(write.description, write.refusal), std::tuple("Erreur/200\n/x/ribs\nErreur/213", "not-a-file"));

  const platform::FileOutcome huge{FileProblem::TooLarge, FileKind::Regular};
  EXPECT_EQ(platform::ReadErrorInfo(huge, "/x/big.dat").refusal, "too-large");
  EXPECT_EQ(platform::RefusalText(huge, "/x/big.dat"), "Erreur/205\n/x/big.dat");

  const platform::FileOutcome full{FileProblem::DiskFull, FileKind::Regular, ENOSPC}, missing{FileProblem::NotFound};
  EXPECT_EQ(platform::WriteErrorInfo(full, "/x/rib.vdl").description, "Erreur/210\n/x/rib.vdl");
  EXPECT_EQ(platform::ReadErrorInfo(missing, "/x/rib.vdl").number, 53);
  EXPECT_EQ(platform::WriteErrorInfo(missing, "/x/rib.vdl").number, 76);
  platform::SetTextLookup({});
}

}  // namespace
