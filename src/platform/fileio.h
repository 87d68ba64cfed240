#pragma once
// Reading and writing whole files whatever the path turns out to be: a folder, a named
// pipe, a device, a socket, a file of gigabytes, a file that goes away, a full disk.
// Every reader and writer of the program goes through these two routines, so that none
// of them can block, read without end, or replace something that is not a file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/errorreport.h"

namespace platform {

// What stands at a path (links followed).
enum class FileKind { Missing, Regular, Directory, Pipe, CharacterDevice, BlockDevice, Socket, Other };

// Why a read or a write did not happen.
enum class FileProblem {
  None,
  NotAFile,  // a folder, pipe, device or socket: refused before anything is opened
  TooLarge,  // larger than the bound for its kind: refused before it is read
  ReadOnly,  // writing: a file marked read-only (its folder may be written), left as it is
  NotFound,  // reading: no such file; writing: no such folder
  Denied,    // permission, or a read-only file system
  DiskFull,  // no space left (or the user's quota)
  Failed,    // any other system error (systemError says which)
};

struct FileOutcome {
  FileProblem problem = FileProblem::None;
  FileKind kind = FileKind::Missing;  // what was found at the path
  int systemError = 0;                // errno of the failing call, 0 for a refusal
  bool ok() const { return problem == FileProblem::None; }
  bool refused() const {
    return problem == FileProblem::NotAFile || problem == FileProblem::TooLarge || problem == FileProblem::ReadOnly;
  }
};

// No airfoil, project, settings or language file comes near this.
inline constexpr std::uint64_t kDefaultReadLimit = 16u * 1024u * 1024u;

struct ReadOutcome : FileOutcome {
  std::string bytes;  // the whole file when ok()
};

FileKind KindOfPath(const std::string& path);

// Whether the user may write the existing file at `path` (links followed): false for a
// file marked read-only (for the superuser too), on a read-only disk, or missing.
bool MayWrite(const std::string& path);

// A folder to write into: NotFound when it is not there, NotAFile when something else is,
// Denied when it may not be written; else ok.
FileOutcome CheckWritableFolder(const std::string& path);

// Looks at the path without opening it: NotAFile, TooLarge, NotFound or Denied (a folder
// on the way that may not be searched), else ok.
FileOutcome CheckReadable(const std::string& path, std::uint64_t limit = kDefaultReadLimit);

// The whole file, refusing anything but a regular file (a link to one is followed) and a
// file over `limit` bytes. Never blocks (the open does not wait for a pipe's writer) and
// never reads more than `limit` bytes, even from a file that grows while it is read.
ReadOutcome ReadWholeFile(const std::string& path, std::uint64_t limit = kDefaultReadLimit);

// Whether a file marked read-only is replaced: only when the user said so, after a question.
enum class ReadOnlyFiles { Refuse, Replace };

// Replaces `path` with `contents` through a temporary file in the same folder, flushed to
// disk, then renamed over it: on any failure the previous file is whole and the temporary
// file gone. (On Linux the contents are written into an unnamed file and named only when
// whole, so a kill leaves nothing.) Only a regular file is replaced; a symbolic link to one
// is written through and stays a link; a read-only file is refused unless `readOnly` says
// otherwise. A new file gets the usual permissions, a replaced one keeps its own. Another
// run of ours writing into the same folder is waited for (an advisory lock on the folder),
// and what a killed run left there is removed first.
FileOutcome WriteFileAtomically(const std::string& path, std::string_view contents,
                                ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// Several files written as WriteFileAtomically writes one, with a single flush to disk for
// all of them (a flush per file costs a journal commit each): every path is looked at
// first, then each file goes to its temporary file, all reach the disk together, and they
// take their names in order. After a failure the files before the failed one take their
// names (KeepBefore) or none does (AllOrNothing: those named already are taken back, the
// files they replaced returning); no temporary file stays either way.
struct FileToWrite {
  std::string path;
  std::string contents;
};
enum class SetWriteMode { KeepBefore, AllOrNothing };
struct SetWriteOutcome {
  FileOutcome outcome;     // of the failed file, ok() when every file was written
  std::size_t failed = 0;  // the index of the failed file (the count of files when none)
  std::size_t written = 0; // files that hold their new contents, from the first on
};
SetWriteOutcome WriteFilesAtomically(const std::vector<FileToWrite>& files, SetWriteMode mode,
                                     ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// A folder whose files are one set the program owns (a cutting kit), written whole or not
// at all: the new set goes into a fresh hidden folder beside it, the user's other files are
// linked into that one, and it takes the folder's place in one step (Linux exchanges the
// two folders); then the old folder goes. A folder that does not exist is made, its parent
// must. Where the folder holds folders of the user's, or the system cannot exchange two
// folders, the files are written in place, all or nothing on a failure.
struct OwnedFolderWrite {
  std::vector<FileToWrite> files;  // `path` is the name in the folder
  // Files `more` writes into the new folder given to it (with its separator) after `files`:
  // a PDF painted there. False with words when it could not.
  std::vector<std::string> moreNames;
  std::function<bool(const std::string& folder, std::string& why)> more;
  // The names of an earlier set's files, which go when the new set does not have them.
  std::function<bool(const std::string& name)> ours;
};
struct OwnedFolderOutcome {
  FileOutcome outcome;
  std::string failedPath;            // the path in the user's folder the failure is about
  std::string why;                   // `more`'s words, naming the user's folder
  std::vector<std::string> paths;    // the set, written, in order
  std::vector<std::string> removed;  // files of the earlier set that went
};
OwnedFolderOutcome WriteOwnedFolder(const std::string& folder, const OwnedFolderWrite& set,
                                    ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

// The general error report for a failed read or write of `path`: the number and text fit
// the cause (disk full 61, path not found 76, permission 70, ...), in the user's language
// where it has a text, the path on its own line. A refusal also sets `refusal`.
ErrorInfo ReadErrorInfo(const FileOutcome& outcome, const std::string& path);
ErrorInfo WriteErrorInfo(const FileOutcome& outcome, const std::string& path);

// The user's text of a refusal ("This is a folder, not a file:" and the path), or "".
std::string RefusalText(const FileOutcome& outcome, const std::string& path);
// The batch name of a refusal: "not-a-file", "too-large", "read-only"; "" when it is none.
const char* RefusalName(FileProblem problem);

// Tests: while alive, the writes of WriteFileAtomically and WriteFilesAtomically fail with
// `systemError` (ENOSPC for a full disk) once `afterBytes` bytes are written, counted over
// every temporary file written since it was made (so a set of files can fail halfway).
class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(int systemError, std::size_t afterBytes = 0);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

// Tests: while alive, one of the steps that give a written file a name (linking it to its
// name or to a temporary one, renaming it over the file it replaces) fails with
// `systemError`: the one after the first `afterNames`.
class ScopedNamingFault {
 public:
  explicit ScopedNamingFault(int systemError, std::size_t afterNames = 0);
  ~ScopedNamingFault();
  ScopedNamingFault(const ScopedNamingFault&) = delete;
  ScopedNamingFault& operator=(const ScopedNamingFault&) = delete;
};

}  // namespace platform
