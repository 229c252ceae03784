#pragma once
// The settings file: the settings text scrambled into an array of 16-bit integers with a
// checksum, stored raw (two bytes a cell, low byte first) in the program folder; and the
// clear-text password reminder written beside it on every save.
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>
#include <string>
#include <vector>

// The file's cells while loading and saving (lower bound 0).
extern std::vector<int16_t> SettingsFileData;
extern int32_t SettingsFileUBound;

enum SettingsLoadCode : int16_t {
    slLoaded = 0,
    slMissing = 100,    // no file
    slEmpty = 101,      // the file decodes to no text
    slReadFailed = 102, // reading the file failed
};
extern int16_t SettingsLoadStatus;

// Reads and decodes the settings file, reads every section into Settings and checks the values
// read. A missing, unreadable or damaged file ends the program after its message; a value the
// program cannot use raises an error naming its key.
forms::Flag LoadSettingsFile();
forms::Flag ReadSettingsFile(); // True when the file was read and decoded
void ReadSettingsBytes();
std::string DecodeSettingsText();

// A save that could not be finished: the file it could not write (a real path) and why.
// SettingsWritten tells whether the settings file had already taken the new settings (only the
// password reminder failed after it).
class SettingsSaveError : public forms::RuntimeError {
  public:
    SettingsSaveError(const forms::RuntimeError& cause, std::string file, std::string reason,
                      bool settingsWritten);
    const std::string& File() const { return file_; }
    const std::string& Reason() const { return reason_; }
    bool SettingsWritten() const { return settingsWritten_; }

  private:
    std::string file_, reason_;
    bool settingsWritten_;
};

// Rebuilds the settings text from Settings and writes the file, the debug dump and the password
// reminder. The settings file and the reminder are both written beside the old ones (beside the
// files their links lead to) before either is renamed over its old one, so a failure at any step
// leaves both old files whole; it raises SettingsSaveError. A debug dump that cannot be written
// is skipped.
void SaveSettingsFile(forms::Flag clearFirst);
void WriteSettingsFile(const std::string& text, const std::string& path);
void WritePasswordReminder();
// Tidies what a save that never finished left (its process killed, the machine stopped): the
// temporary files of the settings file and the reminder go, and a reminder that does not say
// what Settings holds is written again (a missing one only where its save was cut short). Called
// at start-up once the settings are read; a reminder that cannot be written is noted in the
// debug log and the start goes on.
void TidyInterruptedSave();

// Fills A from text (16 to 21081 characters, error 5 otherwise; the added blanks never take it
// past 21081).
void EncodeSettings(std::vector<int16_t>& A, const std::string& text);
// The text A holds, trimmed, or "" when the checksum does not match. A header pointing outside
// the array raises error 9, header values that overflow raise 6, a character code outside
// 0 to 255 raises 5.
std::string DecodeSettings(const std::vector<int16_t>& A);

forms::Flag ReadFileBytes(std::vector<int16_t>& A, const std::string& path);
forms::Flag WriteBytesToFile(const std::vector<int16_t>& A, const std::string& path);

int32_t ArrayChecksum(const std::vector<int16_t>& A);
int32_t ChecksumTerm(int16_t x);
