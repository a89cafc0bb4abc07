// The click that every control of the unit plays before it acts.
#pragma once

// Plays the click sound (StartSound(ClickSoundHandle)). Defined by the module, which owns the
// sound; a test links a counting definition of its own.
void PlayClick();
