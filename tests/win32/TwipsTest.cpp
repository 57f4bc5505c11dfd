#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/win32/Twips.h"

namespace ruvo::win32 {
namespace {

TEST(TwipsTest, TwipsPerPixelFollowsTheScreenResolution) {
    struct Case {
        int pixelsPerInch;
        float twipsPerPixel;
    };
    for (const Case& c :
         {Case{96, 15.0F}, Case{120, 12.0F}, Case{144, 10.0F}, Case{192, 7.5F}, Case{0, 15.0F}}) {
        EXPECT_FLOAT_EQ(TwipsPerPixel(c.pixelsPerInch), c.twipsPerPixel) << c.pixelsPerInch;
    }
}

TEST(TwipsTest, TwipsRoundToTheNearestPixelHalvesToEven) {
    struct Case {
        float twips;
        float twipsPerPixel;
        std::int32_t pixels;
    };
    for (const Case& c :
         {Case{1350, 15, 90}, Case{8550, 15, 570}, Case{1200, 15, 80}, Case{7.5F, 15, 0},
          Case{22.5F, 15, 2}, Case{37.5F, 15, 2}, Case{1352, 15, 90}, Case{1358, 15, 91},
          Case{1350, 12, 112}, Case{1350, 7.5F, 180}, Case{-22.5F, 15, -2}}) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.twipsPerPixel), c.pixels)
            << c.twips << " twips at " << c.twipsPerPixel;
    }
}

TEST(TwipsTest, PixelsToTwipsInvertsWholePixels) {
    EXPECT_FLOAT_EQ(PixelsToTwips(90, 15), 1350);
    EXPECT_FLOAT_EQ(PixelsToTwips(570, 15), 8550);
    EXPECT_FLOAT_EQ(PixelsToTwips(135, 10), 1350);
    EXPECT_EQ(TwipsToPixels(PixelsToTwips(77, 12), 12), 77);
}

TEST(TwipsTest, ALengthBeyondAnyPixelCountIsAnOverflow) {
    try {
        TwipsToPixels(1e30F, 15);
        FAIL() << "no overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
    }
}

}  // namespace
}  // namespace ruvo::win32
