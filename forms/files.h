#pragma once
// File access for the program's backslash paths. Every access goes through ResolvePath: both
// separators are accepted, a name is cut at its first NUL, and each component is matched without
// regard to letter case, so "\Sounds\App\MnuClose.Wav" finds sounds/app/mnuclose.wav.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

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
// write leaves the old file whole.
void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& data);
void ReplaceFileAtomically(const std::string& path, const std::string& text);
void AppendText(const std::string& path, const std::string& text);
void CopyFile(const std::string& from, const std::string& to); // overwrites
void DeleteFile(const std::string& path);                      // error 53 when missing
void MakeFolder(const std::string& path);                      // with parents; fine if present

} // namespace forms
