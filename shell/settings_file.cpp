#include "shell/settings_file.h"

#include "forms/errors.h"
#include "forms/files.h"
#include "forms/lang.h"
#include "forms/msgbox.h"
#include "shell/debug_log.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <algorithm>

std::vector<int16_t> SettingsFileData;
int32_t SettingsFileUBound = 0;
int16_t SettingsLoadStatus = slLoaded;

namespace {

// Header cells and the constants they are stored with.
constexpr int kCellFirstChar = 20;
constexpr int kCellFirstKey = 21;
constexpr int kCellLength = 22;
constexpr int kCellChecksum = 23;
constexpr int32_t kOffsetFirstChar = 12122;
constexpr int32_t kOffsetFirstKey = 9311;
constexpr int32_t kOffsetLength = 11686;
constexpr int32_t kChecksumModulo = 32000;
constexpr int32_t kMinLength = 16;    // the cells up to 5·L then hold K1 + L - 1 for any K0
constexpr int32_t kMaxLength = 21081; // L + 11686 fits 16 bits

int16_t FillerValue() {
    return forms::CInt(forms::Rnd() * 20000 + 121);
}

const char* const kMissingMessage = "Unable to locate WiseOwlet.Dbf. Terminating Application";
const char* const kReadFailedMessage = "Error opening WiseOwlet.Dbf. Terminating Application";
const char* const kDamagedMessage = "WiseOwlet.Dbf is damaged. Terminating Application";
const char* const kCriticalTitle = "Wise Owlet critical error";

} // namespace

int32_t ChecksumTerm(int16_t x) {
    return forms::CLng((static_cast<uint16_t>(x) + 17) * 11.5);
}

int32_t ArrayChecksum(const std::vector<int16_t>& A) {
    int32_t sum = 0;
    for (int16_t x : A) {
        sum += ChecksumTerm(x); // at most 2,000,000,000 + 753,848: still a Long
        if (sum > 2000000000) sum = forms::CLng(sum / 2.0);
    }
    return sum;
}

void EncodeSettings(std::vector<int16_t>& A, const std::string& text) {
    // The text's own length decides whether it fits; the added blanks stop at the limit, so a
    // save never fails or succeeds by the random count.
    if (text.size() < static_cast<size_t>(kMinLength) ||
        text.size() > static_cast<size_t>(kMaxLength))
        forms::Raise(forms::errInvalidCall);
    forms::Randomize();
    const size_t blanks = std::min(static_cast<size_t>(forms::CInt(forms::Rnd() * 10)),
                                   static_cast<size_t>(kMaxLength) - text.size());
    const std::string s = text + std::string(blanks, ' ');
    const int32_t L = static_cast<int32_t>(s.size());

    A.assign(static_cast<size_t>(5 * L + 1), 0);
    forms::Randomize();
    for (int16_t& cell : A)
        cell = FillerValue();

    forms::Randomize();
    const int32_t K0 = static_cast<int32_t>(forms::Rnd() * 10 + 30);
    const int32_t K1 = K0 + 10 + L;
    A[kCellFirstChar] = static_cast<int16_t>(K0);
    A[kCellFirstKey] = static_cast<int16_t>(K1);
    A[kCellLength] = static_cast<int16_t>(L);
    for (int32_t j = 0; j < L; j++)
        A[K0 + j] = static_cast<int16_t>(static_cast<unsigned char>(s[j]) + A[K1 + j]);

    A[kCellChecksum] = 0;
    A[kCellChecksum] = static_cast<int16_t>(ArrayChecksum(A) % kChecksumModulo);
    A[kCellFirstChar] = static_cast<int16_t>(A[kCellFirstChar] + kOffsetFirstChar);
    A[kCellFirstKey] = static_cast<int16_t>(A[kCellFirstKey] + kOffsetFirstKey);
    A[kCellLength] = static_cast<int16_t>(A[kCellLength] + kOffsetLength);
}

std::string DecodeSettings(const std::vector<int16_t>& stored) {
    // A damaged file must end in a clear error, never in a read outside the array.
    if (stored.size() <= static_cast<size_t>(kCellChecksum)) forms::Raise(forms::errSubscript);
    std::vector<int16_t> A = stored;
    A[kCellFirstChar] = forms::CInt(A[kCellFirstChar] - kOffsetFirstChar);
    A[kCellFirstKey] = forms::CInt(A[kCellFirstKey] - kOffsetFirstKey);
    A[kCellLength] = forms::CInt(A[kCellLength] - kOffsetLength);
    const int32_t K0 = A[kCellFirstChar];
    const int32_t K1 = A[kCellFirstKey];
    const int32_t L = A[kCellLength];
    const int32_t last = static_cast<int32_t>(A.size()) - 1;
    if (L < 0 || K0 < 0 || K1 < 0 || K0 + L - 1 > last || K1 + L - 1 > last)
        forms::Raise(forms::errSubscript);

    const int32_t expected = A[kCellChecksum];
    A[kCellChecksum] = 0;
    if (ArrayChecksum(A) % kChecksumModulo != expected) return "";

    std::string text;
    text.reserve(static_cast<size_t>(L));
    for (int32_t j = 0; j < L; j++) {
        int32_t code = A[K0 + j] - A[K1 + j];
        if (code < 0 || code > 255) forms::Raise(forms::errInvalidCall);
        text += static_cast<char>(code);
    }
    return forms::Trim(text);
}

forms::Flag ReadFileBytes(std::vector<int16_t>& A, const std::string& path) {
    try {
        const int64_t n = forms::FileLen(path);
        // Odd lengths: the rounding either drops the last byte or reads the last cell short.
        const double upper = forms::RoundHalfEven(n / 2.0 - 1);
        if (upper < 0) return forms::vbFalse;
        std::vector<uint8_t> bytes = forms::ReadAllBytes(path);
        const size_t cells = static_cast<size_t>(upper) + 1;
        A.assign(cells, 0);
        for (size_t i = 0; i < cells; i++) {
            unsigned lo = 2 * i < bytes.size() ? bytes[2 * i] : 0;
            unsigned hi = 2 * i + 1 < bytes.size() ? bytes[2 * i + 1] : 0;
            A[i] = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
        }
        return forms::vbTrue;
    } catch (const std::exception&) { // a run-time error, or a file too big to hold
        return forms::vbFalse;
    }
}

namespace {

std::string ReminderPath() {
    return AppPath + "\\PassWord.Txt";
}
std::string ReminderText() {
    return "[PassWord]\r\nThe password for Wise Owlet program is '" + Settings.PWord + "'\r\n";
}
std::string FileBytes(const std::vector<int16_t>& A) {
    std::string bytes;
    bytes.reserve(A.size() * 2);
    for (int16_t cell : A) {
        const uint16_t u = static_cast<uint16_t>(cell);
        bytes.push_back(static_cast<char>(u & 0xFF));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}

} // namespace

forms::Flag WriteBytesToFile(const std::vector<int16_t>& A, const std::string& path) {
    // Written beside the old file and renamed over it: a failed write keeps the old settings.
    forms::ReplaceFileAtomically(path, FileBytes(A));
    return forms::vbTrue;
}

void ReadSettingsBytes() {
    if (!ReadFileBytes(SettingsFileData, PathSettingsFile)) {
        SettingsLoadStatus = slReadFailed;
        return;
    }
    SettingsFileUBound = static_cast<int32_t>(SettingsFileData.size()) - 1;
}

std::string DecodeSettingsText() {
    // A header pointing outside the file (a truncated file) is as damaged as a wrong checksum.
    try {
        IniText = DecodeSettings(SettingsFileData);
    } catch (const forms::RuntimeError&) {
        IniText.clear();
    }
    if (IniText.empty()) SettingsLoadStatus = slEmpty;
    return IniText;
}

forms::Flag ReadSettingsFile() {
    SettingsLoadStatus = slLoaded;
    if (!forms::FileExists(PathSettingsFile)) {
        SettingsLoadStatus = slMissing;
        return forms::vbFalse;
    }
    ReadSettingsBytes();
    if (SettingsLoadStatus != slReadFailed) DecodeSettingsText();
    return forms::ToFlag(SettingsLoadStatus == slLoaded);
}

forms::Flag LoadSettingsFile() {
    ReadSettingsFile();
    switch (SettingsLoadStatus) {
    case slMissing:
        forms::MsgBox(kMissingMessage, forms::vbCritical + forms::vbOKOnly, kCriticalTitle);
        EndProgram(kEndOnError);
    case slEmpty:
        // Said aloud, or the parent only sees the program flash and vanish. The file is left
        // as it is for whoever looks into it.
        forms::MsgBox(kDamagedMessage, forms::vbCritical + forms::vbOKOnly, kCriticalTitle);
        TerminateApp();
    case slReadFailed:
        forms::MsgBox(kReadFailedMessage, forms::vbCritical + forms::vbOKOnly, kCriticalTitle);
        EndProgram(kEndOnError);
    default:
        break;
    }
    ProcessAllSections(umRead, Settings, Settings);
    CheckSettingsRanges(Settings);
    return forms::vbTrue;
}

void WriteSettingsFile(const std::string& text, const std::string& path) {
    EncodeSettings(SettingsFileData, text);
    WriteBytesToFile(SettingsFileData, path);
}

SettingsSaveError::SettingsSaveError(const forms::RuntimeError& cause, std::string file,
                                     std::string reason, bool settingsWritten)
    : forms::RuntimeError(cause.Number(), cause.Description()), file_(std::move(file)),
      reason_(std::move(reason)), settingsWritten_(settingsWritten) {}

void WritePasswordReminder() {
    forms::ReplaceFileAtomically(ReminderPath(), ReminderText());
}

void TidyInterruptedSave() {
    forms::RemoveLeftoverTemporaries(PathSettingsFile);
    // A save killed between its two renames has the new settings beside the old reminder; one
    // killed before its first reminder was in place has no reminder at all.
    const bool reminderLeftOver = forms::RemoveLeftoverTemporaries(ReminderPath()) > 0;
    try {
        if (forms::FileExists(ReminderPath())) {
            const std::string text = ReminderText(); // a file of another length is not read
            if (forms::FileLen(ReminderPath()) == static_cast<int64_t>(text.size()) &&
                forms::ReadAllText(ReminderPath()) == text)
                return;
        } else if (!reminderLeftOver) {
            return; // a fresh install: the first save writes it
        }
        WritePasswordReminder();
    } catch (const forms::FileError& e) {
        // The reminder is an aid; a folder that takes no file must not keep the program from
        // starting.
        DebugLog("Unable to write the password reminder " + e.Path() + ": " + e.Reason());
    }
}

void SaveSettingsFile(forms::Flag clearFirst) {
    if (clearFirst) IniText = "";
    ProcessAllSections(umWrite, Settings, Settings);
    std::string file = forms::ResolvePath(PathSettingsFile);
    bool settingsWritten = false;
    try {
        EncodeSettings(SettingsFileData, IniText);
        forms::StagedFile settings(PathSettingsFile, FileBytes(SettingsFileData));
        file = forms::ResolvePath(ReminderPath());
        forms::StagedFile reminder(ReminderPath(), ReminderText());
        file = settings.Path();
        settings.Commit();
        settingsWritten = true;
        try {
            DumpIniText("");
        } catch (const forms::RuntimeError&) {
            // The debug dump is an aid, not part of the save.
        }
        file = reminder.Path();
        reminder.Commit();
    } catch (const forms::FileError& e) {
        throw SettingsSaveError(e, e.Path(), e.Reason(), settingsWritten);
    } catch (const forms::RuntimeError& e) { // a settings text the file cannot hold
        throw SettingsSaveError(e, file, e.Description(), settingsWritten);
    }
}
