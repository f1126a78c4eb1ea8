// The look ahead's settings: defaults for missing or unusable values, and what was written comes back.
#include "settings/ForecastSettings.h"
#include "RegistryTestSupport.h"
#include "settings/ProgramSettings.h"

#include <gtest/gtest.h>

using settings::ForecastSettings;

TEST(ForecastSettingsTest, StoredValuesOrTheirDefaults) {
    const std::tuple<const char*, const char*, ForecastSettings> cases[] = {
        {"90", "2500", {90, 2500}},
        {"3660", "100000000000000", {3660, 100'000'000'000'000}},
        {"0", "100000000000001", {30, 0}},
        {"7.5", "-1", {30, 0}},
    };
    for (const auto& [days, cents, expected] : cases) {
        const tallix::test::ScopedRegistryFile store;
        EXPECT_EQ(settings::ReadForecastSettings(), ForecastSettings()) << "none stored";
        ASSERT_TRUE(settings::WriteProgramText("Forecast", "HorizonDays", days) &&
                    settings::WriteProgramText("Forecast", "CushionCents", cents));
        EXPECT_EQ(settings::ReadForecastSettings(), expected) << days;
        EXPECT_FALSE(settings::WriteForecastSettings({0, 0}));
        EXPECT_TRUE(settings::WriteForecastSettings({45, 1999}));
        EXPECT_EQ(settings::ReadForecastSettings(), ForecastSettings({45, 1999}));
    }
}
