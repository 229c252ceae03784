#include "shell/debug_log.h"

#include "forms/files.h"
#include "forms/lang.h"
#include "shell/startup.h"
#include "shell/user_set.h"

forms::Flag DebugOn = forms::vbFalse;
std::string DebugText;

namespace {
const char* const kStars = "*********************"; // 21
}

forms::Flag IsDebugOn() {
    if (!forms::FileExists(PathDebugFile)) return forms::vbFalse;
    DebugOn = forms::vbTrue;
    return forms::vbTrue;
}

std::string DebugLog(const std::string& text, forms::Flag reset) {
    if (reset) DebugText = "";
    DebugText += text;
    DebugText += "\r\n";
    return "";
}

void WriteDebugLog(const std::string& text) {
    if (!DebugOn) return;
    std::string record = "\r\n";
    record += kStars;
    record += forms::FormatGeneralDate(forms::Now());
    record += kStars;
    record += "\r\n";
    record += text;
    record += "\r\n";
    forms::AppendText(PathDebugFile, record);
}

void DumpIniText(const std::string& name) {
    if (!DebugOn) return;
    std::string path = AppPath + "\\" + (name.empty() ? std::string("zIniFile.Txt") : name);
    forms::WriteAllText(path, IniText + "\r\n");
}

void DumpDebugAll() {
    if (!DebugOn) return;
    WriteDebugLog(DebugText);
    DumpIniText("");
}
