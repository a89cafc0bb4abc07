// Element callbacks of the unit's displays, letters, dots, lamps and data selector knob: each
// turns CduDisplay, CduEntry or InsState into the picture number its element shows.
#pragma once

#include "panel.h"

// Carries the leading-zero blanking from one digit of the display being drawn to the next:
// 0 while only blanked zeros have been drawn.
extern int SignificantDigitSeen;
// 1 while the ALERT lamp is in the lit half of its flash.
extern int AlertFlashPhase;

// Puts SignificantDigitSeen and AlertFlashPhase back to their load value 0 (for tests).
void ResetDisplayCallbackState();

// A shown character counts as its digit if it is '0' to '9', and as 0 otherwise.
int CharacterValue(char character);

// Picture numbers of the digit strip besides the digits 0 to 9.
inline constexpr int BlankPicture = 10;
inline constexpr int LetterLPicture = 11;
inline constexpr int LetterRPicture = 12;

// The two displays, drawn from digit 1 to the last; the blanking relies on that order.
double PANEL_CALL RightDigit1Callback(HostVariable* variable);
double PANEL_CALL RightDigit2Callback(HostVariable* variable);
double PANEL_CALL RightDigit3Callback(HostVariable* variable);
double PANEL_CALL RightDigit4Callback(HostVariable* variable);
double PANEL_CALL RightDigit5Callback(HostVariable* variable);
double PANEL_CALL RightDigit6Callback(HostVariable* variable);
double PANEL_CALL LeftDigit1Callback(HostVariable* variable);
double PANEL_CALL LeftDigit2Callback(HostVariable* variable);
double PANEL_CALL LeftDigit3Callback(HostVariable* variable);
double PANEL_CALL LeftDigit4Callback(HostVariable* variable);
double PANEL_CALL LeftDigit5Callback(HostVariable* variable);

// The active leg (or the leg being keyed under TK CHG) and the thumbwheel's waypoint.
double PANEL_CALL FromDigitCallback(HostVariable* variable);
double PANEL_CALL ToDigitCallback(HostVariable* variable);
double PANEL_CALL WptDigitCallback(HostVariable* variable);

double PANEL_CALL NorthSouthLettersCallback(HostVariable* variable);
double PANEL_CALL EastWestLettersCallback(HostVariable* variable);

double PANEL_CALL LeftUpperDot2Callback(HostVariable* variable);
double PANEL_CALL LeftUpperDot5Callback(HostVariable* variable);
double PANEL_CALL RightUpperDot3Callback(HostVariable* variable);
double PANEL_CALL RightUpperDot6Callback(HostVariable* variable);
double PANEL_CALL LeftLowerDot3Callback(HostVariable* variable);
double PANEL_CALL LeftLowerDot4Callback(HostVariable* variable);
double PANEL_CALL RightLowerDot4Callback(HostVariable* variable);
double PANEL_CALL RightLowerDot5Callback(HostVariable* variable);

double PANEL_CALL HoldButtonCallback(HostVariable* variable);
double PANEL_CALL TrackChangeButtonCallback(HostVariable* variable);
double PANEL_CALL InsertButtonCallback(HostVariable* variable);

// Flashes once a second while AlertActive is 1. Its variable is the host's tick counter; the
// rule relies on one call per tick.
double PANEL_CALL AlertLampCallback(HostVariable* tick);

double PANEL_CALL DataSelectorKnobCallback(HostVariable* variable);
