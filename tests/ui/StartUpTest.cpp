// What start-up does ahead of the window: pictures decoded on another core.
// They must leave the game exactly as it was.

#include "FormMainFixture.h"

#include "ui/PicturePrefetch.h"

#include <atomic>
#include <thread>

namespace veltrane::test {
namespace {

using namespace std::chrono_literals;

QImage Filled(const std::string& relative, QSize size) {
    QImage picture(size.isValid() ? size : QSize(8, 8), QImage::Format_RGB32);
    picture.fill(ColourOf(relative));
    return picture;
}

TEST(PicturePrefetch, HandsEachPictureOutOnceExactlyAsTheLoaderMadeIt) {
    std::atomic<bool> go{false};
    PicturePrefetch prefetch({{"Pics/a.jpg", false, {}},
                              {"Pics/a.jpg", false, {}},
                              {"Pics/b.jpg", false, {34, 34}},
                              {"Pics/gone.jpg", false, {}}},
                             [&go](const TPictureRequest& wanted) -> Result<QImage> {
                                 while (!go) // the window asks before the first picture is ready
                                     std::this_thread::yield();
                                 if (wanted.Relative == "Pics/gone.jpg")
                                     return Error{"Picture file Pics/gone.jpg not found."};
                                 return Filled(wanted.Relative, wanted.Thumbnail);
                             });
    std::thread release([&go] {
        std::this_thread::sleep_for(20ms);
        go = true;
    });
    auto first = prefetch.Take({"Pics/a.jpg", false, {}});
    release.join();
    ASSERT_TRUE(first && first->ok());
    EXPECT_EQ(**first, Filled("Pics/a.jpg", {}));
    // Listed twice, handed out twice; a third ask, another size or transparency is not on the list.
    EXPECT_TRUE(prefetch.Take({"Pics/a.jpg", false, {}}));
    EXPECT_FALSE(prefetch.Take({"Pics/a.jpg", false, {}}));
    EXPECT_FALSE(prefetch.Take({"Pics/b.jpg", false, {68, 68}}));
    EXPECT_FALSE(prefetch.Take({"Pics/b.jpg", true, {34, 34}}));
    EXPECT_EQ(prefetch.Untaken(), 2u);
    auto gone = prefetch.Take({"Pics/gone.jpg", false, {}});
    ASSERT_TRUE(gone);
    ASSERT_FALSE(gone->ok());
    EXPECT_EQ(gone->error().message, "Picture file Pics/gone.jpg not found.");
}

class StartUp : public FormMainTest {};

TEST_F(StartUp, TheFirstFrameTakesEveryPrefetchedPictureAndNothingChanges) {
    PicturePrefetch prefetch(FormMain::FirstFramePictures(),
                             [](const TPictureRequest& wanted) -> Result<QImage> {
                                 return Filled(wanted.Relative, wanted.Thumbnail);
                             });
    TFormMainServices services = Services();
    int thumbnails = 0;
    services.LoadThumbnail = [&](const std::string& relative, QSize size) -> Result<QImage> {
        ++thumbnails;
        return Filled(relative, size);
    };
    prefetch.Serve(services);
    FormMain window(options, rng, sound, std::move(services));
    window.show();
    window.grab();
    EXPECT_EQ(prefetch.Untaken(), 0u);
    // The prefetched pictures were all the window needed of the sector maps.
    EXPECT_EQ(thumbnails, 0);
    EXPECT_EQ(RequestsFor("Pics/SectorA1.jpg"), 0);
    EXPECT_EQ(RequestsFor("Pics/BottomCenter.jpg"), 0);
    EXPECT_TRUE(problems.empty());
    // A later new game loads its pictures as usual.
    window.NewGame();
    EXPECT_GT(thumbnails, 0);
}

} // namespace
} // namespace veltrane::test
