// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "plugins/PluginBinding.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float FULL_WIDTH = 3960.0f;

class DisplayPlugin : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_plugin.Load({REAL_PLUGIN_DIR}, false).nStatus, PluginStatus::Loaded);
    }
    // What the spectrum view relies on, for whatever came back.
    static void ExpectContract(float fFrom, float fTo, float fRange, double dLogRange) {
        EXPECT_GE(fFrom, 40.0f);
        EXPECT_LE(fTo, 4000.0f);
        EXPECT_LT(fFrom, fTo);
        EXPECT_EQ(fRange, fTo - fFrom);
        EXPECT_DOUBLE_EQ(dLogRange, std::log10(static_cast<double>(fTo) / fFrom));
    }
    CDisplayPlugin m_plugin;
};

TEST_F(DisplayPlugin, SetRangeKeepsTheRangeAndDerivesTheLevelFromItsWidth) {
    struct Case {
        float fFrom, fTo;
        unsigned nLevel;
    };
    const Case cases[] = {
        {40, 4000, 0},   {40, 3000, 0}, {1000, 2980, 1}, {40, 2020, 1},
        {2000, 3000, 2}, {40, 1040, 2}, {3000, 3500, 3}, {40, 540, 3},
    };
    for (const Case& c : cases) {
        unsigned nLevel = 99;
        float fRange = 0;
        double dLogRange = 0;
        m_plugin.m_pfnSetRange(c.fFrom, c.fTo, &nLevel, &fRange, &dLogRange);
        EXPECT_EQ(nLevel, c.nLevel) << c.fFrom << " " << c.fTo;
        EXPECT_EQ(fRange, c.fTo - c.fFrom);
        EXPECT_DOUBLE_EQ(dLogRange, std::log10(static_cast<double>(c.fTo) / c.fFrom));
        // Level 0 gives back the settings' range, wherever the centre is.
        float fFrom = 0, fTo = 0;
        m_plugin.m_pfnZoom(0, 100.0f, &fFrom, &fTo, &fRange, &dLogRange);
        EXPECT_EQ(fFrom, c.fFrom);
        EXPECT_EQ(fTo, c.fTo);
    }
}

TEST_F(DisplayPlugin, EachLevelHalvesTheWidthAroundTheCentreInsideTheBand) {
    m_plugin.m_pfnSetRange(40, 4000, nullptr, nullptr, nullptr);
    float fFrom, fTo, fRange;
    double dLogRange;
    // Away from the edges the range is centred on the zoom centre.
    for (unsigned nLevel = 1; nLevel <= 3; ++nLevel) {
        m_plugin.m_pfnZoom(nLevel, 2020.0f, &fFrom, &fTo, &fRange, &dLogRange);
        EXPECT_FLOAT_EQ(fTo - fFrom, FULL_WIDTH / static_cast<float>(1 << nLevel));
        EXPECT_FLOAT_EQ(0.5f * (fFrom + fTo), 2020.0f);
    }
    // Near an edge it is shifted, not cut.
    m_plugin.m_pfnZoom(2, 100.0f, &fFrom, &fTo, &fRange, &dLogRange);
    EXPECT_EQ(fFrom, 40.0f);
    EXPECT_FLOAT_EQ(fTo, 40.0f + FULL_WIDTH / 4);
    m_plugin.m_pfnZoom(1, 3900.0f, &fFrom, &fTo, &fRange, &dLogRange);
    EXPECT_EQ(fTo, 4000.0f);
    EXPECT_FLOAT_EQ(fFrom, 4000.0f - FULL_WIDTH / 2);
    // Levels beyond 3 zoom no further than 3.
    m_plugin.m_pfnZoom(7, 2020.0f, &fFrom, &fTo, &fRange, &dLogRange);
    EXPECT_FLOAT_EQ(fTo - fFrom, FULL_WIDTH / 8);
}

TEST_F(DisplayPlugin, TheContractHoldsForAnyInput) {
    const std::vector<float> ends = {
        NaN,    -INF,    INF,     -1.0f, 0.0f,
        39.9f,  40.0f,   40.5f,   100,   500,
        539.9f, 1000,    2019.5f, 3500,  3999,
        4000,   4000.1f, 1e9f,    -1e9f, std::numeric_limits<float>::denorm_min()};
    const std::vector<float> centres = {NaN, -INF,   INF,  -5,   0,    40,
                                        41,  287.3f, 2020, 3999, 4000, 9e9f};
    const unsigned levels[] = {0, 1, 2, 3, 4, 0xFFFFFFFFu};
    for (float fSetFrom : ends) {
        for (float fSetTo : ends) {
            unsigned nLevel = 1234;
            float fRange = -1;
            double dLogRange = -1;
            m_plugin.m_pfnSetRange(fSetFrom, fSetTo, &nLevel, &fRange, &dLogRange);
            EXPECT_LE(nLevel, 3u);
            // The settings' range as kept by the plug-in.
            float fBaseFrom = 0, fBaseTo = 0;
            m_plugin.m_pfnZoom(0, NaN, &fBaseFrom, &fBaseTo, &fRange, &dLogRange);
            ExpectContract(fBaseFrom, fBaseTo, fRange, dLogRange);
            if (testing::Test::HasFailure()) {
                ADD_FAILURE() << "SetRange(" << fSetFrom << ", " << fSetTo << ")";
                return;
            }
            for (unsigned nZoom : levels) {
                for (float fCentre : centres) {
                    float fFrom = NaN, fTo = NaN;
                    m_plugin.m_pfnZoom(nZoom, fCentre, &fFrom, &fTo, &fRange, &dLogRange);
                    ExpectContract(fFrom, fTo, fRange, dLogRange);
                    if (testing::Test::HasFailure()) {
                        ADD_FAILURE() << "SetRange(" << fSetFrom << ", " << fSetTo << "), Zoom("
                                      << nZoom << ", " << fCentre << ")";
                        return;
                    }
                }
            }
        }
    }
}

TEST_F(DisplayPlugin, NullAddressesAreSkipped) {
    m_plugin.m_pfnSetRange(100, 900, nullptr, nullptr, nullptr);
    float fFrom = 0;
    m_plugin.m_pfnZoom(0, 500, &fFrom, nullptr, nullptr, nullptr);
    EXPECT_EQ(fFrom, 100.0f);
}

}  // namespace
