// A folder whose files are one set (a cutting kit): the new set is made in a fresh folder
// beside it, which then takes the folder's place in one step, so that a kill at any moment
// leaves the old set or the new one, never a mix.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/fileio.h"
#include "platform/fileioparts.h"

#ifdef VANDRELL_POSIX_FILES
#include <dirent.h>
#include <fcntl.h>
#endif

namespace platform {

using namespace fileio_parts;

#ifdef VANDRELL_POSIX_FILES

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

// The staging folder and everything in it goes, unless it took the folder's place.
struct Staging {
  std::string path;  // with its separator
  ~Staging() {
    if (path.empty()) return;
    for (const std::string& name : NamesIn(path)) ::unlink((path + name).c_str());
    ::rmdir(path.c_str());
  }
};

// What the old folder holds, sorted for the new one.
struct OldFolder {
  std::vector<std::string> linked;   // the set's names that are links: written through, kept
  std::vector<std::string> removed;  // files of the earlier set the new one does not have
  std::vector<std::string> carried;  // the user's files, linked into the new folder
  std::vector<std::pair<std::string, struct stat>> replaced;  // the set's files there, as they are
  bool hasFolders = false;           // a folder inside cannot be linked: written in place
};

FileOutcome LookAtOldFolder(const std::string& folder, const std::vector<std::string>& names,
                            const std::function<bool(const std::string&)>& ours, ReadOnlyFiles readOnly,
                            OldFolder& old, std::string& failedPath) {
  for (const std::string& name : NamesIn(folder)) {
    const std::string path = folder + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) continue;  // gone meanwhile
    if (Contains(names, name)) {
      struct stat to;
      const bool reached = ::stat(path.c_str(), &to) == 0;
      if (reached && !S_ISREG(to.st_mode)) {
        failedPath = path;
        return Refusal(FileProblem::NotAFile, KindOfMode(to.st_mode));
      }
      if (reached && readOnly == ReadOnlyFiles::Refuse && !MayWrite(path)) {
        failedPath = path;
        return Refusal(FileProblem::ReadOnly, FileKind::Regular);
      }
      if (S_ISLNK(st.st_mode)) old.linked.push_back(name);
      else old.replaced.emplace_back(name, st);
    } else if (ours && ours(name) && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode))) {
      old.removed.push_back(name);
    } else if (S_ISDIR(st.st_mode)) {
      old.hasFolders = true;
    } else if (KindOfTemporary(name, false, false) == TemporaryKind::None) {
      old.carried.push_back(name);
    }
  }
  return FileOutcome{};
}

// The set written file by file into the folder itself, all or nothing on a failure; the
// staging folder only held what `more` wrote. Used where the folder holds folders of the
// user's (which cannot be linked into a new one) and where the system cannot exchange two
// folders in one step (only Linux's renameat2 can): a kill may then leave a mix.
OwnedFolderOutcome WriteInPlace(const std::string& folder, const std::string& staging, const OwnedFolderWrite& w,
                                const OldFolder& old, ReadOnlyFiles readOnly) {
  OwnedFolderOutcome r;
  std::vector<FileToWrite> files;
  for (const FileToWrite& f : w.files) files.push_back({folder + f.path, f.contents});
  for (const std::string& name : w.moreNames) {
    ReadOutcome made = ReadWholeFile(staging + name, 1u << 30);
    if (!made.ok()) {
      r.outcome = made;
      r.failedPath = folder + name;
      return r;
    }
    files.push_back({folder + name, std::move(made.bytes)});
  }
  const SetWriteOutcome written = WriteFilesAtomically(files, SetWriteMode::AllOrNothing, readOnly);
  r.outcome = written.outcome;
  if (!written.outcome.ok()) {
    r.failedPath = files[written.failed].path;
    return r;
  }
  for (const FileToWrite& f : files) r.paths.push_back(f.path);
  for (const std::string& name : old.removed)
    if (::unlink((folder + name).c_str()) == 0) r.removed.push_back(folder + name);
  return r;
}

void SyncFolderEntries(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: some file systems refuse it for folders
  ::close(fd);
}

// After the exchange the old folder is at `staging`: the earlier set's files and the
// second names of the user's go; a file of the user's made during the write moves into the
// new folder, or stays there when its name is taken.
void ClearReplacedFolder(const std::string& staging, const std::string& folder, const std::vector<std::string>& names,
                         const OldFolder& old) {
  for (const std::string& name : NamesIn(staging)) {
    const std::string from = staging + name, to = folder + name;
    struct stat was, now;
    if (::lstat(from.c_str(), &was) != 0) continue;
    const bool sameFile = ::lstat(to.c_str(), &now) == 0 && now.st_ino == was.st_ino && now.st_dev == was.st_dev;
    if (sameFile || Contains(names, name) || Contains(old.removed, name) || ::rename(from.c_str(), to.c_str()) == 0)
      ::unlink(from.c_str());
  }
  ::rmdir(staging.c_str());
}

// The folder to replace, without closing separators. A link to a folder is followed: the
// folder it leads to is replaced, the link stays. `exists` is false for a folder to be made.
FileOutcome FindTarget(const std::string& folderPath, std::string& target, struct stat& st, bool& exists) {
  target = folderPath;
  while (target.size() > 1 && target.back() == '/') target.pop_back();
  exists = !target.empty() && ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISDIR(st.st_mode)) return Refusal(FileProblem::NotAFile, KindOfMode(st.st_mode));
  if (!exists && errno != ENOENT) return Failure(errno);
  if (exists) {
    char real[PATH_MAX];
    if (::realpath(target.c_str(), real)) target = real;
  }
  return FileOutcome{};
}

// A fresh staging folder beside the folder. Where the parent may not be written (a memory
// stick's own folder) it is made inside the folder instead, and `inside` says so: the files
// are then written in place. False, errno set, when none could be made.
bool MakeStaging(Staging& staging, const std::string& parent, const std::string& folder, const std::string& leaf,
                 bool exists, bool& inside) {
  const auto makeIn = [&](const std::string& in) {
    for (int attempt = 0; attempt < 100 && staging.path.empty(); ++attempt) {
      const std::string candidate = StagingFolderName(in, leaf);
      if (::mkdir(candidate.c_str(), 0777) == 0) staging.path = candidate + "/";
      else if (errno != EEXIST) break;
    }
  };
  makeIn(parent);
  inside = false;
  if (staging.path.empty() && exists && (errno == EACCES || errno == EPERM || errno == EROFS)) {
    makeIn(folder);
    inside = !staging.path.empty();
  }
  return !staging.path.empty();
}

// The set's files, and what `more` makes, written into the staging folder; a failure is
// told in `r`.
bool WriteIntoStaging(const std::string& staging, const std::string& folder, const OwnedFolderWrite& w,
                      OwnedFolderOutcome& r) {
  std::vector<FileToWrite> files;
  for (const FileToWrite& f : w.files) files.push_back({staging + f.path, f.contents});
  const SetWriteOutcome written = WriteFilesAtomically(files, SetWriteMode::AllOrNothing);
  if (!written.outcome.ok()) {
    r.outcome = written.outcome;
    r.failedPath = folder + w.files[written.failed].path;
    return false;
  }
  if (w.more && !w.more(staging, r.why)) {
    // Its words name the file the user knows, not the staging folder.
    for (std::size_t at; (at = r.why.find(staging)) != std::string::npos;) r.why.replace(at, staging.size(), folder);
    r.outcome = Failure(EIO);
    return false;
  }
  return true;
}

enum class Carried { Done, WriteInPlace, Failed };

// Into the staging folder go the user's files: one reached through a link is written where
// the link leads, the link kept; the others are linked in. A failure is told in `r`.
Carried CarryUsersFiles(const std::string& folder, const std::string& staging, OldFolder& old, ReadOnlyFiles readOnly,
                        OwnedFolderOutcome& r) {
  for (const std::string& name : old.linked) {
    const ReadOutcome made = ReadWholeFile(staging + name, 1u << 30);
    FileOutcome through = made;
    if (made.ok()) through = WriteFileAtomically(folder + name, made.bytes, readOnly);
    if (!through.ok()) {
      r.outcome = through;
      r.failedPath = folder + name;
      return Carried::Failed;
    }
    ::unlink((staging + name).c_str());
    old.carried.push_back(name);
  }
  for (const std::string& name : old.carried) {
    if (::linkat(AT_FDCWD, (folder + name).c_str(), AT_FDCWD, (staging + name).c_str(), 0) == 0 || errno == ENOENT)
      continue;
    if (errno == EPERM || errno == EMLINK || errno == EXDEV) return Carried::WriteInPlace;
    r.outcome = Failure(errno);
    r.failedPath = folder + name;
    return Carried::Failed;
  }
  return Carried::Done;
}

// A replaced file keeps its mode (one marked read-only stays so) and, where allowed, its
// owner, as WriteFileAtomically keeps them; the folder its own (`folderWas`, when there was one).
void KeepModesAndOwners(const std::string& staging, const OldFolder& old, const struct stat* folderWas) {
  for (const auto& [name, was] : old.replaced) {
    const std::string path = staging + name;
    const bool ownerKept = ::chown(path.c_str(), was.st_uid, was.st_gid) == 0;
    (void)ownerKept;
    ::chmod(path.c_str(), was.st_mode & 07777);
  }
  if (folderWas) {
    const bool ownerKept = ::chown(staging.c_str(), folderWas->st_uid, folderWas->st_gid) == 0;
    (void)ownerKept;
    ::chmod(staging.c_str(), folderWas->st_mode & 07777);
  }
}

// The staging folder takes the folder's place: renamed where there was none, else the two
// exchanged in one step. 0, or -1 with errno set.
int PutInPlace(const std::string& stagingFolder, const std::string& target, bool exists) {
  if (!exists) return ::rename(stagingFolder.c_str(), target.c_str());
#ifdef RENAME_EXCHANGE
  return ::renameat2(AT_FDCWD, stagingFolder.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE);
#else
  errno = ENOSYS;
  return -1;
#endif
}

OwnedFolderOutcome WriteOwnedFolderOnce(const std::string& folderPath, const OwnedFolderWrite& w, ReadOnlyFiles readOnly) {
  OwnedFolderOutcome r;
  timespec start{};
  ::clock_gettime(CLOCK_REALTIME, &start);
  std::string target;
  struct stat st{};
  bool exists = false;
  r.outcome = FindTarget(folderPath, target, st, exists);
  if (!r.outcome.ok()) {
    r.failedPath = folderPath;
    return r;
  }
  const std::string parent = FolderPart(target);
  const std::string folder = target + "/";
  std::vector<std::string> names;
  for (const FileToWrite& f : w.files) names.push_back(f.path);
  names.insert(names.end(), w.moreNames.begin(), w.moreNames.end());

  FolderLock lock(parent);
  if (lock.Alone()) RemoveStaleTemporaries(lock.fd(), start);
  OldFolder old;
  if (exists) {
    r.outcome = LookAtOldFolder(folder, names, w.ours, readOnly, old, r.failedPath);
    if (!r.outcome.ok()) return r;
  }

  Staging staging;
  bool inside = false;
  if (!MakeStaging(staging, parent, folder, target.substr(parent.size()), exists, inside)) {
    r.failedPath = folderPath;
    r.outcome = Failure(errno);
    return r;
  }

  if (!WriteIntoStaging(staging.path, folder, w, r)) return r;
  // Looked at again just before the exchange: what took a file's place meanwhile is refused.
  if (exists) {
    OldFolder now;
    r.outcome = LookAtOldFolder(folder, names, w.ours, readOnly, now, r.failedPath);
    if (!r.outcome.ok()) return r;
    old = std::move(now);
  }
  if (old.hasFolders || inside) return WriteInPlace(folder, staging.path, w, old, readOnly);
  switch (CarryUsersFiles(folder, staging.path, old, readOnly, r)) {
    case Carried::Failed: return r;
    case Carried::WriteInPlace: return WriteInPlace(folder, staging.path, w, old, readOnly);
    case Carried::Done: break;
  }
  KeepModesAndOwners(staging.path, old, exists ? &st : nullptr);
  SyncFolderEntries(staging.path);
  const std::string stagingFolder = staging.path.substr(0, staging.path.size() - 1);
  if (PutInPlace(stagingFolder, target, exists) != 0) {
    // A file system that cannot exchange folders, or a folder that is a mount point: the
    // files are written in place.
    if (exists && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP || errno == EXDEV || errno == EBUSY))
      return WriteInPlace(folder, staging.path, w, old, readOnly);
    r.outcome = Failure(errno);
    r.failedPath = folderPath;
    return r;
  }
  staging.path.clear();  // it is the user's folder now
  if (exists) ClearReplacedFolder(stagingFolder + "/", folder, names, old);
  SyncFolderEntries(parent.empty() ? "." : parent);
  for (const std::string& name : names) r.paths.push_back(folder + name);
  for (const std::string& name : old.removed) r.removed.push_back(folder + name);
  return r;
}

}  // namespace

OwnedFolderOutcome WriteOwnedFolder(const std::string& folder, const OwnedFolderWrite& w, ReadOnlyFiles readOnly) {
  try {
    return WriteOwnedFolderOnce(folder, w, readOnly);
  } catch (...) {
    OwnedFolderOutcome r;
    r.outcome = Failure(ENOMEM);
    r.failedPath = folder;
    return r;
  }
}

#endif

}  // namespace platform
