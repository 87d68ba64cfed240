// Writing files where the system is not a POSIX one: through the standard library, with a
// temporary name beside the file, and a kit's folder written in place.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/fileio.h"
#include "platform/fileioparts.h"

#ifndef VANDRELL_POSIX_FILES

namespace platform {

namespace fileio_parts {

namespace fs = std::filesystem;

FileOutcome WriteFileOnce(const std::string& path, std::string_view contents, ReadOnlyFiles) {
  std::error_code ec;
  fs::path target(path);
  if (fs::is_symlink(target, ec)) target = fs::weakly_canonical(target, ec);
  if (ec) return Failure(ec.value());
  const FileKind kind = KindOfPath(target.string());
  if (kind != FileKind::Missing && kind != FileKind::Regular) return Refusal(FileProblem::NotAFile, kind);
  const fs::path temp = target.string() + ".vandrell-tmp~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return Failure(fs::is_directory(target.parent_path().empty() ? "." : target.parent_path(), ec) ? EACCES : ENOENT);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out || InjectedFault().active) {
      out.close();
      fs::remove(temp, ec);
      return Failure(InjectedFault().active ? InjectedFault().systemError : ENOSPC);
    }
  }
  if (kind == FileKind::Regular) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    const int e = ec.value();
    fs::remove(temp, ec);
    return Failure(e);
  }
  FileOutcome o;
  o.kind = FileKind::Regular;
  return o;
}

SetWriteOutcome WriteFilesOnce(const std::vector<FileToWrite>& files, SetWriteMode mode, ReadOnlyFiles readOnly) {
  SetWriteOutcome r;
  r.failed = files.size();
  for (std::size_t i = 0; i < files.size() && r.failed == files.size(); ++i) {
    const FileKind kind = KindOfPath(files[i].path);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
      r.outcome = Refusal(FileProblem::NotAFile, kind);
      r.failed = i;
    }
  }
  if (mode == SetWriteMode::AllOrNothing && r.failed < files.size()) return r;
  for (std::size_t i = 0; i < r.failed; ++i) {
    const FileOutcome o = WriteFileOnce(files[i].path, files[i].contents, readOnly);
    if (!o.ok()) {
      r.outcome = o;
      r.failed = i;
      break;
    }
    ++r.written;
  }
  return r;
}

}  // namespace fileio_parts

using namespace fileio_parts;

OwnedFolderOutcome WriteOwnedFolder(const std::string& folderPath, const OwnedFolderWrite& w, ReadOnlyFiles readOnly) {
  OwnedFolderOutcome r;
  std::error_code ec;
  std::filesystem::create_directory(folderPath, ec);
  const std::string folder = folderPath + "/";
  std::vector<FileToWrite> files;
  for (const FileToWrite& f : w.files) files.push_back({folder + f.path, f.contents});
  const SetWriteOutcome written = WriteFilesAtomically(files, SetWriteMode::AllOrNothing, readOnly);
  r.outcome = written.outcome;
  if (!written.outcome.ok()) {
    r.failedPath = files[written.failed].path;
    return r;
  }
  if (w.more && !w.more(folder, r.why)) {
    r.outcome = Failure(EIO);
    return r;
  }
  for (const FileToWrite& f : files) r.paths.push_back(f.path);
  for (const std::string& name : w.moreNames) r.paths.push_back(folder + name);
  return r;
}

}  // namespace platform

#endif
