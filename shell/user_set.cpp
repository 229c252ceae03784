#include "shell/user_set.h"

UserSet Settings;
std::string IniText;

namespace {

// The file's order: reading, writing and applying all follow it.
const SectionProc kSections[] = {
    SectionSpeakingOptions,    SectionLessonInfo,      SectionAlphabetColors,
    SectionAnimationSpeed,     SectionWordColors,      SectionLabelColors,
    SectionAllowColorChanging, SectionBackGroundColor, SectionStartEnd,
    SectionAutoPlay,           SectionMusic,           SectionUserLevel,
    SectionAlphabetType,       SectionMenuButtons,     SectionSubMenuButtons,
    SectionPassWord,           SectionWords,           SectionBGFormOptions,
    SectionBGFormColors,
};

// The section's lines as the settings text would hold them for rec.
std::string SectionText(SectionProc section, const UserSet& rec) {
    const std::string kept = IniText;
    IniText.clear();
    UserSet scratch = rec;
    section(umWrite, scratch, rec);
    std::string text = IniText;
    IniText = kept;
    return text;
}

} // namespace

void ProcessAllSections(int16_t mode, UserSet& dst, const UserSet& src) {
    for (SectionProc section : kSections)
        section(mode, dst, src);
}

std::vector<SectionProc> RestoreSettings(const UserSet& earlier) {
    std::vector<SectionProc> changed;
    for (SectionProc section : kSections)
        if (SectionText(section, Settings) != SectionText(section, earlier))
            changed.push_back(section);
    Settings = earlier;
    for (SectionProc section : changed)
        section(umApply, Settings, Settings);
    return changed;
}
