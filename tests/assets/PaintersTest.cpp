// Properties of the pictures that a player would notice if they broke.
#include "ArtefactPainter.h"
#include "CityPainter.h"
#include "CraftPainter.h"
#include "IconPainter.h"
#include "InterfacePainter.h"
#include "LandscapePainter.h"
#include "PlanetPainter.h"
#include "PortraitPainter.h"
#include "SpacePainter.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

using namespace veltrane::assetgen;

namespace {

// Mean absolute difference per channel, 0…255.
double difference(const QImage& a, const QImage& b) {
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

double luma(QRgb p) {
    return (0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p)) / 255.0;
}

double meanLuma(const QImage& image, const QRect& area) {
    double sum = 0.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            sum += luma(image.pixel(x, y));
        }
    }
    return sum / (area.width() * area.height());
}

} // namespace

TEST(Artefacts, NoTwoRelicsLookAlike) {
    std::vector<QImage> relics;
    for (int n = 1; n <= 100; ++n) {
        relics.push_back(ArtefactPainter::paint(n));
        ASSERT_EQ(relics.back().size(), QSize(ArtefactPainter::kWidth, ArtefactPainter::kHeight));
    }
    double closest = 1e9;
    std::size_t pairA = 0, pairB = 0;
    for (std::size_t a = 0; a < 100; ++a) {
        for (std::size_t b = a + 1; b < 100; ++b) {
            const double d = difference(relics[a], relics[b]);
            if (d < closest) {
                closest = d;
                pairA = a + 1;
                pairB = b + 1;
            }
        }
    }
    EXPECT_GT(closest, 6.0) << "artefact" << pairA << " and artefact" << pairB << " are nearly the same";
}

TEST(Cities, NoTwoCityViewsLookAlike) {
    // Compared very small, so only composition and colour count, not a scatter of windows.
    std::vector<QImage> views;
    for (int n = 1; n <= 29; ++n) {
        const QImage view = CityPainter::inside(n);
        views.push_back(view.scaled(view.size() / 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    for (std::size_t a = 0; a < 29; ++a) {
        for (std::size_t b = a + 1; b < 29; ++b) {
            EXPECT_GT(difference(views[a], views[b]), 11.0) << "city" << a + 1 << " and city" << b + 1;
        }
    }
}

TEST(Planets, SurfaceTypesAreToldApartByColour) {
    // The mean colour of the lit disc, per surface type.
    std::array<std::array<double, 3>, 8> means{};
    for (int n = 1; n <= 24; ++n) {
        const QImage planet = PlanetPainter::paint(n);
        double r = 0, g = 0, b = 0;
        int count = 0;
        for (int y = 25; y < 60; ++y) {
            for (int x = 25; x < 60; ++x) {
                const QRgb p = planet.pixel(x, y);
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
                ++count;
            }
        }
        auto& m = means[static_cast<std::size_t>(PlanetPainter::surfaceOf(n) - 1)];
        m[0] += r / count / 3;
        m[1] += g / count / 3;
        m[2] += b / count / 3;
    }
    for (std::size_t a = 0; a < 8; ++a) {
        for (std::size_t b = a + 1; b < 8; ++b) {
            const double d =
                std::hypot(means[a][0] - means[b][0], means[a][1] - means[b][1], means[a][2] - means[b][2]);
            EXPECT_GT(d, 12.0) << "types " << a + 1 << " and " << b + 1;
        }
    }
}

TEST(Planets, AreLitFromTheUpperLeft) {
    for (int n = 1; n <= 24; n += 5) {
        const QImage planet = PlanetPainter::paint(n);
        EXPECT_GT(meanLuma(planet, QRect(30, 30, 12, 12)), meanLuma(planet, QRect(58, 58, 12, 12)) * 1.5)
            << "planet" << n;
    }
}

TEST(Landscapes, TenDifferentViewsPerType) {
    for (int type = 1; type <= 8; ++type) {
        std::vector<QImage> views;
        for (int n = 1; n <= 10; ++n) {
            views.push_back(LandscapePainter::paint(type, n).scaled(204, 112));
        }
        for (std::size_t a = 0; a < 10; ++a) {
            for (std::size_t b = a + 1; b < 10; ++b) {
                EXPECT_GT(difference(views[a], views[b]), 4.0)
                    << "type" << type << " landscapes " << a + 1 << ", " << b + 1;
            }
        }
    }
}

TEST(Landscapes, LowerFifthIsCalmerThanThePicture) {
    // Things stand on the lower fifth: its brightness must vary less than the whole view's.
    for (int type = 1; type <= 8; ++type) {
        const QImage view = LandscapePainter::paint(type, 1 + type % 10);
        const auto spread = [&](int top) {
            double sum = 0, sum2 = 0;
            int count = 0;
            for (int y = top; y < view.height(); y += 2) {
                for (int x = 0; x < view.width(); x += 2) {
                    const double l = luma(view.pixel(x, y));
                    sum += l;
                    sum2 += l * l;
                    ++count;
                }
            }
            const double mean = sum / count;
            return std::sqrt(std::max(0.0, sum2 / count - mean * mean));
        };
        EXPECT_LT(spread(view.height() * 4 / 5), spread(0)) << "type" << type;
    }
}

TEST(Tunnel, FramesMoveAndTheLastLeadsBackToTheFirst) {
    std::vector<QImage> frames;
    for (int n = 1; n <= SpacePainter::kTunnelFrames; ++n) {
        frames.push_back(SpacePainter::tunnel(n));
    }
    const double step = difference(frames[0], frames[1]);
    const double wrap = difference(frames[3], frames[0]);
    EXPECT_GT(step, 3.0) << "the frames barely move";
    EXPECT_LT(wrap, step * 1.6);
    EXPECT_GT(wrap, step * 0.6);
}

TEST(Tiles, WrapWithoutASeam) {
    for (int n = 1; n <= 3; ++n) {
        const QImage tile = SpacePainter::tile(n);
        const int last = SpacePainter::kTile - 1;
        double across = 0, inside = 0;
        for (int i = 0; i <= last; ++i) {
            across += std::abs(luma(tile.pixel(last, i)) - luma(tile.pixel(0, i)));
            across += std::abs(luma(tile.pixel(i, last)) - luma(tile.pixel(i, 0)));
            inside += std::abs(luma(tile.pixel(63, i)) - luma(tile.pixel(64, i)));
            inside += std::abs(luma(tile.pixel(i, 63)) - luma(tile.pixel(i, 64)));
        }
        EXPECT_LT(across, inside * 2.0 + 1.0) << "bg" << n;
    }
}

TEST(Sectors, TheSecondPictureIsBrighterAndFramed) {
    for (int sector = 1; sector <= 4; ++sector) {
        const auto [plain, bright] = SpacePainter::nebula(sector);
        const QRect inner(100, 100, 600, 250);
        EXPECT_GT(meanLuma(bright, inner), meanLuma(plain, inner) * 1.2) << sector;
        const QRect frame(0, 200, SpacePainter::kFrame - 2, 50);
        EXPECT_GT(meanLuma(bright, frame), 0.6) << sector;
        EXPECT_GT(meanLuma(bright, frame), meanLuma(plain, frame) + 0.2) << sector;
    }
}

TEST(SystemBackdrop, DarkSpaceThatMeetsTheSunsBlackCorner) {
    const QImage backdrop = SpacePainter::systemBackdrop();
    ASSERT_EQ(backdrop.size(), QSize(SpacePainter::kMapWidth, SpacePainter::kMapHeight));
    // The sun's picture is opaque on black: the backdrop under its corner must be black too.
    const QImage sun = SpacePainter::sun();
    EXPECT_LT(std::abs(meanLuma(backdrop, QRect(0, 0, 12, 12)) - meanLuma(sun, QRect(0, 0, 12, 12))), 0.01);
    const double whole = meanLuma(backdrop, backdrop.rect());
    EXPECT_GT(whole, 0.005) << "pure black";
    EXPECT_LT(whole, 0.06) << "too bright for planets to stand out";
}

TEST(Arrows, PointClockwiseFromUp) {
    // Across the arrow head the bright band is wide; across the shaft it is narrow.
    for (int n = 1; n <= 8; ++n) {
        const QImage arrow = IconPainter::arrow(n);
        const double angle = (n - 1) * M_PI / 4;
        const double dx = std::sin(angle), dy = -std::cos(angle);
        const auto width = [&](double along) {
            int bright = 0;
            for (double s = -12; s <= 12; s += 0.5) {
                const int x = static_cast<int>(16 + along * dx - s * dy);
                const int y = static_cast<int>(16 + along * dy + s * dx);
                bright += luma(arrow.pixel(std::clamp(x, 0, 31), std::clamp(y, 0, 31))) > 0.55;
            }
            return bright;
        };
        EXPECT_GT(width(4), width(-6) + 4) << "arrow" << n;
    }
}

TEST(Portraits, ThirtyRacesAllDifferentOnDarkBackdrops) {
    std::vector<QImage> aliens;
    for (int n = 1; n <= 30; ++n) {
        aliens.push_back(PortraitPainter::alien(n));
        const QImage& a = aliens.back();
        ASSERT_EQ(a.size(), QSize(150, 180));
        // The top corners are backdrop: dark.
        EXPECT_LT(meanLuma(a, QRect(0, 0, 20, 20)), 0.25) << "alien" << n;
        EXPECT_LT(meanLuma(a, QRect(130, 0, 20, 20)), 0.25) << "alien" << n;
    }
    for (std::size_t a = 0; a < 30; ++a) {
        for (std::size_t b = a + 1; b < 30; ++b) {
            EXPECT_GT(difference(aliens[a], aliens[b]), 8.0) << "alien" << a + 1 << " and alien" << b + 1;
        }
    }
    EXPECT_EQ(PortraitPainter::captain(1).size(), QSize(109, 140));
    EXPECT_EQ(PortraitPainter::president().size(), QSize(120, 150));
    EXPECT_GT(difference(PortraitPainter::captain(1), PortraitPainter::captain(2)), 5.0);
}

TEST(Portraits, EveryRaceHasItsOwnSilhouette) {
    // Head and ornaments against the dark backdrop, compared as shapes: colour alone is not enough.
    const auto silhouette = [](const QImage& portrait) {
        const QImage small = portrait.scaled(75, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        std::vector<bool> mask;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 75; ++x) {
                mask.push_back(luma(small.pixel(x, y)) > 0.22);
            }
        }
        return mask;
    };
    std::vector<std::vector<bool>> shapes;
    for (int n = 1; n <= 30; ++n) {
        shapes.push_back(silhouette(PortraitPainter::alien(n)));
    }
    for (std::size_t a = 0; a < 30; ++a) {
        for (std::size_t b = a + 1; b < 30; ++b) {
            int either = 0, one = 0;
            for (std::size_t i = 0; i < shapes[a].size(); ++i) {
                either += shapes[a][i] || shapes[b][i];
                one += shapes[a][i] != shapes[b][i];
            }
            EXPECT_GT(static_cast<double>(one) / either, 0.15) << "alien" << a + 1 << " and alien" << b + 1;
        }
    }
}

TEST(Craft, TwelveShipsAndFourModulesAllDifferent) {
    std::vector<QImage> ships;
    for (int n = 1; n <= 12; ++n) {
        ships.push_back(CraftPainter::ship(n));
    }
    for (std::size_t a = 0; a < 12; ++a) {
        for (std::size_t b = a + 1; b < 12; ++b) {
            EXPECT_GT(difference(ships[a], ships[b]), 5.0) << "ship" << a + 1 << " and ship" << b + 1;
        }
    }
    for (int a = 1; a <= 4; ++a) {
        for (int b = a + 1; b <= 4; ++b) {
            EXPECT_GT(difference(CraftPainter::module(a), CraftPainter::module(b)), 15.0) << a << ", " << b;
        }
    }
}

TEST(Icons, EquipmentGrowsWithItsLevel) {
    // Within each kind, the drawing covers more of the panel at every level.
    const QImage bare = IconPainter::background(25, 25);
    for (int kind = 0; kind < 5; ++kind) {
        int previous = 0;
        for (int level = 1; level <= 3; ++level) {
            const QImage icon = IconPainter::equipment(kind * 3 + level);
            ASSERT_EQ(icon.size(), QSize(25, 25));
            int ink = 0;
            for (int y = 0; y < 25; ++y) {
                for (int x = 0; x < 25; ++x) {
                    const QRgb p = icon.pixel(x, y), q = bare.pixel(x, y);
                    ink += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                               std::abs(qBlue(p) - qBlue(q)) >
                           30;
                }
            }
            EXPECT_GT(ink, previous) << "kind " << kind << " level " << level;
            previous = ink;
        }
    }
}

TEST(Icons, StatusShowsOneTwoThreeColouredBars) {
    const auto lit = [](const QImage& icon) {
        int coloured = 0;
        for (int x = 0; x < 32; ++x) {
            for (int y = 0; y < 32; ++y) {
                const QRgb p = icon.pixel(x, y);
                coloured +=
                    std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 80;
            }
        }
        return coloured;
    };
    const int one = lit(IconPainter::status(0)), two = lit(IconPainter::status(1)),
              three = lit(IconPainter::status(2));
    EXPECT_GT(one, 10);
    EXPECT_GT(two, one * 1.5);
    EXPECT_GT(three, two * 1.2);
    const QRgb red = IconPainter::status(0).pixel(8, 20), green = IconPainter::status(2).pixel(25, 15);
    EXPECT_GT(qRed(red), qGreen(red) * 2);
    EXPECT_GT(qGreen(green), qRed(green) * 2);
}

TEST(Window, MessageTextPanelIsLightEnoughForBlackText) {
    const QImage panel = InterfacePainter::messageText();
    ASSERT_EQ(panel.size(), QSize(433, 145));
    double darkest = 1.0;
    for (int y = 2; y < 143; y += 3) {
        for (int x = 2; x < 431; x += 3) {
            darkest = std::min(darkest, luma(panel.pixel(x, y)));
        }
    }
    EXPECT_GT(darkest, 0.7);
}

TEST(Navigator, EachLevelItsOwnPictureAndDestinationsMarkedInAmber) {
    for (int a = 1; a <= 3; ++a) {
        for (int b = a + 1; b <= 3; ++b) {
            EXPECT_GT(difference(InterfacePainter::navigator(a), InterfacePainter::navigator(b)), 6.0)
                << a << b;
        }
    }
    const auto amber = [](const QImage& icon) {
        int count = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb p = icon.pixel(x, y);
                count += qRed(p) > 170 && qGreen(p) > 90 && qGreen(p) < 200 && qBlue(p) < 100;
            }
        }
        return count;
    };
    EXPECT_EQ(amber(IconPainter::navigatorList(0)), 0);
    EXPECT_GT(amber(IconPainter::navigatorList(1)), 10);
}
