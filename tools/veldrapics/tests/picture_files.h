// Test helpers: the committed pictures by resource number, colours of their pixels, temp folders.
#pragma once

#include "bitmap8.h"

#include <filesystem>
#include <string>

struct Rgb {
    int Red, Green, Blue;
    bool operator==(const Rgb&) const = default;
    bool IsPureBlack() const { return Red == 0 && Green == 0 && Blue == 0; }
    int Brightness() const { return (Red + Green + Blue) / 3; }
};

inline constexpr Rgb WindowBlue{0, 0, 8};

// The committed cdu/pictures/<number>-*.bmp, decoded; an empty picture (and a test failure)
// when there is none or it does not decode.
const Bitmap8& Committed(int number);

Rgb ColourAt(const Bitmap8& picture, int x, int y);

// A lit display segment or dot: plainly green.
bool IsGreen(Rgb colour);

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempFolder {
  public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    const std::filesystem::path& Path() const { return Folder; }

  private:
    std::filesystem::path Folder;
};
