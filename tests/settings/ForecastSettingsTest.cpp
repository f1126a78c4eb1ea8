// The look ahead's settings: defaults for missing or unusable values, and what was written comes back.
#include "settings/ForecastSettings.h"
#include "RegistryTestSupport.h"
#include "settings/ProgramSettings.h"

#include <gtest/gtest.h>

using settings::ForecastSettings;

namespace {

TEST(ForecastSettingsTest, StoredValuesOrTheirDefaults) {
    const struct {
        const char* days;
        const char* cents;
        ForecastSettings expected;
    } cases[] = {
        {nullptr, nullptr, {30, 0}},
        {"90", "2500", {90, 2500}},
        {"0", "-1", {30, 0}},
        {"3661", "x", {30, 0}},
        {"3660", "100000000000000", {3660, 100'000'000'000'000}},
        {"7.5", "100000000000001", {30, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days ? c.days : "none");
        const tallix::test::ScopedRegistryFile store;
        if (c.days) {
            ASSERT_TRUE(settings::WriteProgramText("Forecast", "HorizonDays", c.days));
            ASSERT_TRUE(settings::WriteProgramText("Forecast", "CushionCents", c.cents));
        }
        EXPECT_EQ(settings::ReadForecastSettings(), c.expected);
    }
    const tallix::test::ScopedRegistryFile store;
    EXPECT_FALSE(settings::WriteForecastSettings({0, 0}));
    EXPECT_TRUE(settings::WriteForecastSettings({45, 1999}));
    EXPECT_EQ(settings::ReadForecastSettings(), ForecastSettings({45, 1999}));
}

} // namespace
