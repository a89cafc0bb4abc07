// What the two digit displays show: texts, dots, letters and blanking flags in CduDisplay.
#pragma once

// Chooses the branch (an open position entry, else the data selector's position) and writes its
// texts and flags into Display. A DataSelector outside 0-7 leaves Display as it was.
void FormatDisplays();
