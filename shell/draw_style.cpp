// The stroke record's drawing colours and pen sizes from the settings.
#include "shell/user_set.h"

#include "tracing/alpha_data.h"

void InitDrawStyle(AlphaData& rec, const UserSet& settings) {
    CopyDrawColors(rec, settings);
    rec.TrackWidth = 18;
    rec.LineWidth = 14;
    rec.DotSize = 12;
}

void CopyDrawColors(AlphaData& rec, const UserSet& settings) {
    rec.ColorLine = settings.ColorLine;
    rec.ColorLineHL = settings.ColorLineHL;
    rec.ColorLinePrompt = settings.ColorLinePrompt;
    rec.ColorCircle = settings.ColorCircle;
    rec.ColorCircleHL = settings.ColorCircleHL;
    rec.ColorHelp = settings.ColorHelp;
}
