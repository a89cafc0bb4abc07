// The built Ball and skytape modules carry, under each resource number, the picture drawn here.
#include "gauge_pictures.h"
#include "module_bitmaps.h"

#include <gtest/gtest.h>

namespace {

void ExpectSamePicture(const Bitmap8& got, const Bitmap8& want) {
    ASSERT_EQ(got.Width, want.Width);
    ASSERT_EQ(got.Height, want.Height);
    EXPECT_TRUE(got.Pixels == want.Pixels);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(got.Palette[i].Red, want.Palette[i].Red) << "palette index " << i;
        EXPECT_EQ(got.Palette[i].Green, want.Palette[i].Green) << "palette index " << i;
        EXPECT_EQ(got.Palette[i].Blue, want.Palette[i].Blue) << "palette index " << i;
    }
}

TEST(ModulePictures, EachModuleCarriesItsPicturesByNumber) {
    const struct {
        const char* Module;
        std::span<const gaugepics::PictureFile> Files;
    } gauges[] = {{BALL_MODULE, gaugepics::BallPictures()},
                  {SKYTAPE_MODULE, gaugepics::SkytapePictures()}};
    for (const auto& gauge : gauges)
        for (const gaugepics::PictureFile& file : gauge.Files) {
            SCOPED_TRACE(std::string(gauge.Module) + " resource " + std::to_string(file.Resource));
            Bitmap8 picture;
            ASSERT_TRUE(LoadModuleBitmap(gauge.Module, file.Resource, picture));
            ExpectSamePicture(picture, file.Draw());
        }
}

TEST(ModulePictures, AnUnknownNumberIsNotFound) {
    Bitmap8 picture;
    EXPECT_FALSE(LoadModuleBitmap(BALL_MODULE, 8192, picture));
    EXPECT_FALSE(LoadModuleBitmap(SKYTAPE_MODULE, 4352, picture));
}

} // namespace
