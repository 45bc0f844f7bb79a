#include "editor/spoken_texts.h"

#include <gtest/gtest.h>

#include <string>

using namespace tintora;
using modTintora::PackRgb;

TEST(SpokenTexts, ValueIsTheHexReadoutAndDescriptionTheOthersInWords) {
    EXPECT_EQ(std::wstring(SpokenValueOf(PackRgb(200, 100, 0)).data()), L"C86400");
    EXPECT_EQ(std::wstring(SpokenDescriptionOf(PackRgb(200, 100, 0)).data()),
              L"hue 20, saturation 240, luminance 95, red 200, green 100, blue 0");
    EXPECT_EQ(std::wstring(SpokenDescriptionOf(0xFFFFFF).data()),
              L"hue 160, saturation 0, luminance 240, red 255, green 255, blue 255");
}

TEST(SpokenTexts, EveryControlThatTakesTheFocusHasAName) {
    EXPECT_STREQ(SpokenNameOf(picColors), L"Colour palette");
    EXPECT_STREQ(SpokenNameOf(txtHexa), L"#");
    for (const ControlLayout& layout : kControls) {
        if (!(layout.look & kTabStop)) continue;
        // Buttons speak their captions.
        EXPECT_TRUE(layout.kind == ControlKind::Button || SpokenNameOf(layout.id) != nullptr) << layout.id;
    }
}
