// The click sound player: WAV files loaded into static buffers of the audio device, played on
// demand, addressed by small integer handles (1 to 32; 0 is no sound).
#pragma once

#include <cstdint>

using SoundHandle = int32_t;

// Loads the WAV file at path into a new sound. Returns its handle, or 0 after showing why
// (owned by window) when it cannot.
SoundHandle CreateSound(void* window, const char* path);

// Starts the sound, or rewinds it to the beginning while it plays. 1 for a live sound, whether
// or not the start succeeded; 0 otherwise.
int32_t StartSound(SoundHandle handle);

// Stops and frees the sound; does nothing for a handle that names none.
void ReleaseSound(SoundHandle handle);

// The handle of the lowest free entry, or 0 when all are taken.
SoundHandle FindFreeSoundEntry();
