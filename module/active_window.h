// The window that owns the click sound's messages: the active one where the platform has one.
#pragma once

void* ActiveWindow();
