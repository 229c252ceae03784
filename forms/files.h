#pragma once
// File access for the program's backslash paths. Every access goes through ResolvePath: both
// separators are accepted, a name is cut at its first NUL, and each component is matched without
// regard to letter case, so "\Sounds\App\MnuClose.Wav" finds sounds/app/mnuclose.wav.
#include "forms/errors.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace forms {

// A file that could not be read or written: the real path and the system's reason, beside the
// run-time error's number (53 missing, 75 access) and its usual description.
class FileError : public RuntimeError {
  public:
    FileError(int32_t number, std::string path, std::string reason);
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

  private:
    std::string path_, reason_;
};

// The real path for a program path: existing components as found on disk (an exact match is
// preferred over a case-insensitive one), the rest as given. Writing a file that exists under
// another case therefore writes to the name found.
std::string ResolvePath(const std::string& programPath);
// The folder of the running executable (no trailing separator).
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder); // tests point the program at a fixture folder

bool FileExists(const std::string& path); // a regular file
bool FolderExists(const std::string& path);
int64_t FileLen(const std::string& path); // error 53 when missing

// Raise 53 (missing) or 75 (access) on failure.
std::vector<uint8_t> ReadAllBytes(const std::string& path);
std::string ReadAllText(const std::string& path);
void WriteAllBytes(const std::string& path, const std::vector<uint8_t>& data);
void WriteAllText(const std::string& path, const std::string& text);
// Writes to a temporary file in the same folder and renames it over the old one, so a failed
// write leaves the old file whole, then syncs the folder so that the new entry lasts. The new
// file keeps the old one's permission bits and owner where it can; an old file that may not be
// written is refused (75), as a plain write would be. A link stays a link: the file it leads to
// (through every link, each relative one from its own folder) is the one written beside and
// replaced.
void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& data);
void ReplaceFileAtomically(const std::string& path, const std::string& text);

// The same replacement in two halves, so that several files can be written before any of them
// replaces its old one: the constructor writes the temporary file (raising FileError), Commit
// renames it over the target, and one never committed is removed when it goes.
class StagedFile {
  public:
    StagedFile(const std::string& path, const std::string& data);
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();
    void Commit();
    const std::string& Path() const { return real_; } // the real path of the file replaced

  private:
    std::string real_, tmp_;
    bool done_ = false;
};
// Removes what replacements of path left when their process ended before finishing them (killed,
// or the machine stopped): files named as a replacement names its temporary file, beside path
// and beside the file a link at path leads to, of processes that no longer run. This process's
// own count as left over: call it before this process replaces path. Returns how many it
// removed; one it cannot remove stays.
int RemoveLeftoverTemporaries(const std::string& path);
void AppendText(const std::string& path, const std::string& text);
void CopyFile(const std::string& from, const std::string& to); // overwrites
void DeleteFile(const std::string& path);                      // error 53 when missing
void MakeFolder(const std::string& path);                      // with parents; fine if present

// The steps of every write, for tests that make one of them fail: the hook is asked before each
// step with the real path of the file being written (the temporary one for a replacement, whose
// Rename step names the target), and an errno it returns fails that step. nullptr removes it.
// SyncFolder follows a replacement's rename and names the folder; failing it skips the sync (the
// new file is in place by then).
enum class FileStep { Open, Write, Flush, Rename, SyncFolder };
void SetFileFault(std::function<int(FileStep step, const std::string& realPath)> fault);

} // namespace forms
