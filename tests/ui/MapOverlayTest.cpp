#include "ui/MapOverlay.h"

#include <gtest/gtest.h>

namespace veltrane::test {
namespace {

struct HitCase {
    const char* name;
    std::vector<MapOverlay::TSpot> spots;
    QPointF at;
    int system;
};

class NearestMarker : public ::testing::TestWithParam<HitCase> {};

TEST_P(NearestMarker, NearestWithinTwelvePixelsOrNone) {
    EXPECT_EQ(MapOverlay::NearestMarker(GetParam().spots, GetParam().at), GetParam().system);
}

const MapOverlay::TSpot kA{3, QPointF(100, 100)}, kB{9, QPointF(110, 100)};

INSTANTIATE_TEST_SUITE_P(MapOverlay, NearestMarker,
                         ::testing::Values(HitCase{"NoMarkers", {}, QPointF(5, 5), 0},
                                           HitCase{"TwelvePixelsAway", {kA}, QPointF(112, 100), 3},
                                           HitCase{"JustBeyondTwelve", {kA}, QPointF(100, 112.1), 0},
                                           HitCase{"DiagonalBeyondTwelve", {kA}, QPointF(109, 109), 0},
                                           HitCase{"NearerThoughListedLater", {kA, kB}, QPointF(106, 100), 9},
                                           HitCase{
                                               "TieGoesToTheFirstListed", {kB, kA}, QPointF(105, 100), 9}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace veltrane::test
