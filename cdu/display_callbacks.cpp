// Element callbacks of the unit: leading-zero blanking, side letters, leg and waypoint digits,
// hemisphere letters, dots, button lamps, the ALERT flash and the data selector knob.
#include "display_callbacks.h"

#include "ins_state.h"
#include "whole_number.h"

int SignificantDigitSeen = 0;
int AlertFlashPhase = 0;

void ResetDisplayCallbackState() {
    SignificantDigitSeen = 0;
    AlertFlashPhase = 0;
}

int CharacterValue(char character) {
    return character >= '0' && character <= '9' ? character - '0' : 0;
}

namespace {

constexpr int32_t XtkTkePosition = 2;
constexpr int32_t HdgDaPosition = 1;
constexpr int TicksPerSecond = 18;

int32_t DataSelector() {
    return ReadShared(SharedIns->DataSelector);
}

// Digit 1 starts the display: it decides alone whether a zero shows blank.
double FirstDigit(char character, int32_t blankZeros) {
    const int value = CharacterValue(character);
    SignificantDigitSeen = 0;
    if (value == 0 && blankZeros == 1)
        return BlankPicture;
    SignificantDigitSeen = 1;
    return value;
}

// A middle digit blanks a zero until a significant digit has been drawn; an exempt digit still
// marks a non-zero value as significant but never blanks.
double MiddleDigit(char character, bool exemptFromBlanking) {
    const int value = CharacterValue(character);
    if (value != 0)
        SignificantDigitSeen = 1;
    if (!exemptFromBlanking && SignificantDigitSeen == 0 && value == 0)
        return BlankPicture;
    return value;
}

// The last digit is never blanked; while a letter shows, it shows the letter (0 blank, 1 L,
// 2 R). Any other letter value leaves the character.
double LastDigit(char character, bool letterShown, int32_t letter) {
    if (letterShown) {
        switch (letter) {
        case 0:
            return BlankPicture;
        case 1:
            return LetterLPicture;
        case 2:
            return LetterRPicture;
        default:
            break;
        }
    }
    return CharacterValue(character);
}

double Picture(int32_t value) {
    return static_cast<double>(value);
}

bool TrackChangeOpen() {
    return ReadShared(SharedIns->TrackChangeActive) == 1;
}

} // namespace

double PANEL_CALL RightDigit1Callback(HostVariable*) {
    return FirstDigit(Display.RightText[1], Display.RightBlankZeros);
}
double PANEL_CALL RightDigit2Callback(HostVariable*) {
    return MiddleDigit(Display.RightText[2], false);
}
double PANEL_CALL RightDigit3Callback(HostVariable*) {
    return MiddleDigit(Display.RightText[3], false);
}
double PANEL_CALL RightDigit4Callback(HostVariable*) {
    return MiddleDigit(Display.RightText[4], false);
}
double PANEL_CALL RightDigit5Callback(HostVariable*) {
    return MiddleDigit(Display.RightText[5], DataSelector() == XtkTkePosition);
}
double PANEL_CALL RightDigit6Callback(HostVariable*) {
    const int32_t selector = DataSelector();
    const bool letterShown = selector == HdgDaPosition || selector == XtkTkePosition;
    return LastDigit(Display.RightText[6], letterShown, Display.RightSideLetter);
}

double PANEL_CALL LeftDigit1Callback(HostVariable*) {
    return FirstDigit(Display.LeftText[1], Display.LeftBlankZeros);
}
double PANEL_CALL LeftDigit2Callback(HostVariable*) {
    return MiddleDigit(Display.LeftText[2], false);
}
double PANEL_CALL LeftDigit3Callback(HostVariable*) {
    return MiddleDigit(Display.LeftText[3], false);
}
double PANEL_CALL LeftDigit4Callback(HostVariable*) {
    return MiddleDigit(Display.LeftText[4], DataSelector() == XtkTkePosition);
}
double PANEL_CALL LeftDigit5Callback(HostVariable*) {
    // Read the side only when it is shown: it is the navigation source's field.
    const bool letterShown = DataSelector() == XtkTkePosition;
    const int32_t side = letterShown ? ReadShared(SharedIns->XtkSide) : 0;
    return LastDigit(Display.LeftText[5], letterShown, side);
}

double PANEL_CALL FromDigitCallback(HostVariable*) {
    return TrackChangeOpen() ? Picture(Entry.EntryFrom) : Picture(ReadShared(SharedIns->FromWpt));
}
double PANEL_CALL ToDigitCallback(HostVariable*) {
    return TrackChangeOpen() ? Picture(Entry.EntryTo) : Picture(ReadShared(SharedIns->ToWpt));
}
double PANEL_CALL WptDigitCallback(HostVariable*) {
    return Picture(ReadShared(SharedIns->WptIndex));
}

double PANEL_CALL NorthSouthLettersCallback(HostVariable*) {
    return Picture(Display.NorthSouthIcon);
}
double PANEL_CALL EastWestLettersCallback(HostVariable*) {
    return Picture(Display.EastWestIcon);
}

double PANEL_CALL LeftUpperDot2Callback(HostVariable*) {
    return Picture(Display.LeftUpperDot2);
}
double PANEL_CALL LeftUpperDot5Callback(HostVariable*) {
    return Picture(Display.LeftUpperDot5);
}
double PANEL_CALL RightUpperDot3Callback(HostVariable*) {
    return Picture(Display.RightUpperDot3);
}
double PANEL_CALL RightUpperDot6Callback(HostVariable*) {
    return Picture(Display.RightUpperDot6);
}
double PANEL_CALL LeftLowerDot3Callback(HostVariable*) {
    return Picture(Display.LeftLowerDot3);
}
double PANEL_CALL LeftLowerDot4Callback(HostVariable*) {
    return Picture(Display.LeftLowerDot4);
}
double PANEL_CALL RightLowerDot4Callback(HostVariable*) {
    return Picture(Display.RightLowerDot4);
}
double PANEL_CALL RightLowerDot5Callback(HostVariable*) {
    return Picture(Display.RightLowerDot5);
}

double PANEL_CALL HoldButtonCallback(HostVariable*) {
    return Picture(ReadShared(SharedIns->HoldActive));
}
double PANEL_CALL TrackChangeButtonCallback(HostVariable*) {
    return Picture(ReadShared(SharedIns->TrackChangeActive));
}
double PANEL_CALL InsertButtonCallback(HostVariable*) {
    return Picture(ReadShared(SharedIns->InsertActive));
}

// The phase toggles on every call at a tick number divisible by 18; between those ticks the lamp
// shows the phase while the alert stands.
double PANEL_CALL AlertLampCallback(HostVariable* tick) {
    const double tickValue = tick->Value; // a copy: the field is packed
    const bool secondTick = WholeNumber(tickValue) % TicksPerSecond == 0;
    const bool alert = Display.AlertActive == 1;
    if (secondTick && AlertFlashPhase != 1) {
        AlertFlashPhase = 1;
        if (alert)
            return 1.0;
    }
    if (secondTick && AlertFlashPhase == 1) {
        AlertFlashPhase = 0;
        return 0.0;
    }
    return alert && AlertFlashPhase == 1 ? 1.0 : 0.0;
}

double PANEL_CALL DataSelectorKnobCallback(HostVariable*) {
    return Picture(DataSelector());
}
