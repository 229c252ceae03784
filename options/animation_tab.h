#pragma once
// The options dialog's Animation tab, as the stroke animation sees it.

// The letter preview has been drawn: its arrows appear when the tab asks for them.
void ShowPreviewArrows();
