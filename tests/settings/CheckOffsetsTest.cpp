// Check stock offsets: one pair per format, zero for a missing or unusable one.
#include "settings/CheckOffsets.h"
#include "RegistryTestSupport.h"
#include "settings/ProgramSettings.h"

#include <gtest/gtest.h>

using settings::StoredCheckOffset;

TEST(CheckOffsetsTest, StoredPairOrZero) {
    const std::pair<const char*, StoredCheckOffset> cases[] = {
        {"5,-10", {5, -10}}, {"-100,100", {-100, 100}}, {"101,0", {}}, {"5", {}}, {"a,b", {}}, {"1,2,3", {}},
    };
    for (const auto& [text, expected] : cases) {
        const tallix::test::ScopedRegistryFile store;
        ASSERT_TRUE(settings::WriteProgramText("CheckOffsets", "laser-three", text));
        EXPECT_EQ(settings::ReadCheckOffset("laser-three"), expected) << text;
        EXPECT_EQ(settings::ReadCheckOffset("wallet"), StoredCheckOffset()) << "another format's own";
        EXPECT_FALSE(settings::WriteCheckOffset("wallet", {0, -101}));
        EXPECT_TRUE(settings::WriteCheckOffset("wallet", {-3, 7}));
        EXPECT_EQ(settings::ReadCheckOffset("wallet"), StoredCheckOffset({-3, 7}));
    }
}
