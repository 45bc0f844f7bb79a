#include "editor/readout_texts.h"

#include <gtest/gtest.h>

#include <string>

using namespace tintora;
using modTintora::PackRgb;

TEST(Readouts, HueSatLumRedGreenBlueHex) {
    const auto texts = [](modTintora::ColourValue colour) {
        std::wstring joined;
        for (const ReadoutText& text : MakeReadoutTexts(colour))
            joined += std::wstring(text.data()) + L"|";
        return joined;
    };
    EXPECT_EQ(texts(0), L"160|0|0|0|0|0|000000|");
    EXPECT_EQ(texts(0xFFFFFF), L"160|0|240|255|255|255|FFFFFF|");
    EXPECT_EQ(texts(PackRgb(200, 100, 50)), L"13|144|118|200|100|50|C86432|");
    EXPECT_EQ(texts(PackRgb(10, 11, 12)), L"140|22|11|10|11|12|0A0B0C|");
}
