#include "editor/readout_texts.h"

#include <gtest/gtest.h>

#include <string>

TEST(Readouts, HueSatLumRedGreenBlueHex) {
    const auto texts = [](modTintora::ColourValue colour) {
        std::wstring joined;
        for (const tintora::ReadoutText& text : tintora::MakeReadoutTexts(colour))
            joined += std::wstring(text.data()) + L"|";
        return joined;
    };
    EXPECT_EQ(texts(0), L"160|0|0|0|0|0|000000|");
    EXPECT_EQ(texts(0xFFFFFF), L"160|0|240|255|255|255|FFFFFF|");
    EXPECT_EQ(texts(0x003264C8), L"13|144|118|200|100|50|C86432|");
    EXPECT_EQ(texts(0x000C0B0A), L"140|22|11|10|11|12|0A0B0C|");
}
