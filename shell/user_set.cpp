#include "shell/user_set.h"

UserSet Settings;
UserSet OptSettings;
std::string IniText;

void ProcessAllSections(int16_t mode, UserSet& dst, const UserSet& src) {
    // The file's order: reading, writing and applying all follow it.
    SectionSpeakingOptions(mode, dst, src);
    SectionLessonInfo(mode, dst, src);
    SectionAlphabetColors(mode, dst, src);
    SectionAnimationSpeed(mode, dst, src);
    SectionWordColors(mode, dst, src);
    SectionLabelColors(mode, dst, src);
    SectionAllowColorChanging(mode, dst, src);
    SectionBackGroundColor(mode, dst, src);
    SectionStartEnd(mode, dst, src);
    SectionAutoPlay(mode, dst, src);
    SectionMusic(mode, dst, src);
    SectionUserLevel(mode, dst, src);
    SectionAlphabetType(mode, dst, src);
    SectionMenuButtons(mode, dst, src);
    SectionSubMenuButtons(mode, dst, src);
    SectionPassWord(mode, dst, src);
    SectionWords(mode, dst, src);
    SectionBGFormOptions(mode, dst, src);
    SectionBGFormColors(mode, dst, src);
}
