#include "ui/FormMessage.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>

namespace veltrane {
namespace {

using veltrane::testing::WhenModal;

// Hands out small solid pictures for the names it knows and records every request.
struct FakePictures {
    QStringList requested;
    QStringList missing;
    TPictureLoader loader() {
        return [this](const QString& relative) {
            requested << relative;
            if (missing.contains(relative))
                return QImage();
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            return image;
        };
    }
};

class Captions : public ITextSource {
  public:
    std::map<std::string, std::string> entries;
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
        if (section != "Captions")
            return std::nullopt;
        auto it = entries.find(std::string(key));
        return it == entries.end() ? std::nullopt : std::optional(it->second);
    }
};

// ---- the window itself ----

TEST(FormMessage, IsABorderless479By238WindowWithItsParts) {
    FakePictures pictures;
    FormMessage form(nullptr, pictures.loader(), {});
    EXPECT_EQ(form.size(), QSize(479, 238));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form.findChild<QFrame*>("pnlText")->size(), QSize(433, 145));
    const QRect ok = form.findChild<QPushButton*>("btnOK")->geometry();
    EXPECT_EQ(ok.size(), QSize(145, 26));
    EXPECT_EQ(ok.left() + ok.width() / 2, 479 / 2);
    EXPECT_GT(ok.top(), form.findChild<QFrame*>("pnlText")->geometry().bottom());
    const QLabel* header = form.findChild<QLabel*>("lblHeader");
    EXPECT_EQ(header->font().pixelSize(), 19);
    EXPECT_EQ(header->font().family(), "Arial");
    EXPECT_TRUE(header->alignment().testFlag(Qt::AlignHCenter));
    const QLabel* arrow = form.findChild<QLabel*>("imgDirection");
    EXPECT_EQ(arrow->size(), QSize(32, 32));
    EXPECT_LT(arrow->x(), 479 / 4);
    EXPECT_FALSE(form.directionShown());
}

TEST(FormMessage, BackgroundsAreStretchedOverPanelAndTextPanel) {
    FakePictures pictures;
    FormMessage form(nullptr, pictures.loader(), {});
    EXPECT_TRUE(pictures.requested.contains("Pics/MsgBack.jpg"));
    EXPECT_TRUE(pictures.requested.contains("Pics/MsgText.jpg"));
    const QLabel* back = form.findChild<QLabel*>("imgBackground");
    const QLabel* textBack = form.findChild<QLabel*>("imgTextBack");
    EXPECT_TRUE(back->hasScaledContents());
    EXPECT_EQ(back->size(), form.findChild<QFrame*>("pnlMessage")->contentsRect().size());
    EXPECT_EQ(textBack->size(), form.findChild<QFrame*>("pnlText")->contentsRect().size());
}

TEST(FormMessage, MissingBackgroundsStillGiveAWorkingWindow) {
    FakePictures pictures;
    pictures.missing = {"Pics/MsgBack.jpg", "Pics/MsgText.jpg"};
    FormMessage form(nullptr, pictures.loader(), {});
    form.SetText("Still readable", 10);
    EXPECT_EQ(form.text(), "Still readable");
    FormMessage withoutLoader(nullptr, TPictureLoader{}, {});
    EXPECT_FALSE(withoutLoader.directionShown());
}

TEST(FormMessage, TextIsCentredWrappedInArialOfTheGivenSize) {
    FormMessage form(nullptr, {}, {});
    form.SetText("Line one\r\nLine two", 14);
    const QLabel* text = form.findChild<QLabel*>("lblText");
    EXPECT_EQ(text->text(), "Line one\nLine two");
    EXPECT_EQ(text->font().pointSize(), 14);
    EXPECT_EQ(text->font().family(), "Arial");
    EXPECT_TRUE(text->wordWrap());
    EXPECT_EQ(text->alignment(), Qt::AlignCenter);
}

TEST(FormMessage, ScriptTextIsNeverReadAsMarkup) {
    FormMessage form(nullptr, {}, {});
    form.SetText("<b>1 < 2</b>", 10);
    form.SetHeader("<i>News</i>");
    EXPECT_EQ(form.findChild<QLabel*>("lblText")->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.findChild<QLabel*>("lblHeader")->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.text(), "<b>1 < 2</b>");
}

TEST(FormMessage, DirectionLoadsTheNumberedArrow) {
    FakePictures pictures;
    FormMessage form(nullptr, pictures.loader(), {});
    form.ShowDirection(8);
    EXPECT_EQ(pictures.requested.last(), "Pics/arrow8.jpg");
    EXPECT_TRUE(form.directionShown());
}

TEST(FormMessage, UnreadableArrowStaysHidden) {
    FakePictures pictures;
    pictures.missing = {"Pics/arrow3.jpg"};
    FormMessage form(nullptr, pictures.loader(), {});
    form.ShowDirection(3);
    EXPECT_FALSE(form.directionShown());
}

TEST(FormMessage, OkClicksOnceAndCloses) {
    int clicks = 0;
    FormMessage form(nullptr, {}, [&] { ++clicks; });
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(FormMessage, EscapeClosesWithoutTheClick) {
    int clicks = 0;
    FormMessage form(nullptr, {}, [&] { ++clicks; });
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(clicks, 0);
}

TEST(FormMessage, CentredOnTheMainWindow) {
    QWidget main;
    main.setGeometry(100, 50, 1024, 768);
    main.show();
    FormMessage form(&main, {}, {});
    form.show();
    const QPoint centre = main.mapToGlobal(main.rect().center());
    EXPECT_LE((form.geometry().center() - centre).manhattanLength(), 2);
}

// ---- formatting the incoming text ----

TEST(IncomingMessageText, FillsTheOneNumber) {
    EXPECT_EQ(IncomingMessageText("You found a powerpack and got %d G$ more budget.", 17),
              "You found a powerpack and got 17 G$ more budget.");
    EXPECT_EQ(IncomingMessageText("%d", -5), "-5");
    EXPECT_EQ(IncomingMessageText("No number here.", 3), "No number here.");
}

TEST(IncomingMessageText, ScriptTextThatDoesNotFitIsShownAsItStands) {
    EXPECT_EQ(IncomingMessageText("Paid %s to %s.", 4), "Paid %s to %s.");
    EXPECT_EQ(IncomingMessageText("Two numbers %d and %d", 4), "Two numbers %d and %d");
}

// ---- the three variants, shown modally ----

struct Seen {
    QString header, text;
    int points = 0;
    bool arrow = false;
    bool modal = false;
};

class FormMessageVariants : public ::testing::Test {
  protected:
    TMessageWindowEnv env() {
        return {nullptr, &texts, pictures.loader(), [this] { ++clicks; }};
    }

    // Reads the window while it is up, then presses OK.
    void WhenShown() {
        WhenModal([this](QWidget* w) {
            auto* form = qobject_cast<FormMessage*>(w);
            ASSERT_NE(form, nullptr);
            seen.modal = form->isModal();
            seen.header = form->header();
            seen.text = form->text();
            seen.points = form->findChild<QLabel*>("lblText")->font().pointSize();
            seen.arrow = form->directionShown();
            QTest::mouseClick(form->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
        });
    }

    Captions texts;
    FakePictures pictures;
    Seen seen;
    int clicks = 0;
};

TEST_F(FormMessageVariants, IncomingMessageFormatsTheValueIn14Point) {
    WhenShown();
    ShowIncomingMessage(env(), "A grateful colonist tips you %d G$.", 25);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.header, "Incoming Message");
    EXPECT_EQ(seen.text, "A grateful colonist tips you 25 G$.");
    EXPECT_EQ(seen.points, 14);
    EXPECT_FALSE(seen.arrow);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormMessageVariants, HeadersComeFromTheScriptsCaptions) {
    texts.entries = {{"IncMsg", "Funkspruch"}, {"Information", "Hinweis"}};
    WhenShown();
    ShowIncomingMessage(env(), "%d", 1);
    EXPECT_EQ(seen.header, "Funkspruch");
    WhenShown();
    ShowInfoMessage(env(), "x");
    EXPECT_EQ(seen.header, "Hinweis");
}

TEST_F(FormMessageVariants, PresentButEmptyHeaderIsEmpty) {
    texts.entries = {{"Information", ""}};
    WhenShown();
    ShowInfoMessage(env(), "x");
    EXPECT_EQ(seen.header, "");
}

TEST_F(FormMessageVariants, InfoMessageShowsTheTextUnchangedIn10Point) {
    WhenShown();
    ShowInfoMessage(env(), "100% sure: %d stays");
    EXPECT_EQ(seen.header, "Information");
    EXPECT_EQ(seen.text, "100% sure: %d stays");
    EXPECT_EQ(seen.points, 10);
    EXPECT_FALSE(seen.arrow);
}

TEST_F(FormMessageVariants, DirectionMessageShowsTheArrow) {
    WhenShown();
    ShowDirectionMessage(env(), "Follow the arrow.", 5);
    EXPECT_EQ(seen.header, "Information");
    EXPECT_EQ(seen.points, 10);
    EXPECT_TRUE(seen.arrow);
    EXPECT_EQ(pictures.requested.last(), "Pics/arrow5.jpg");
}

TEST_F(FormMessageVariants, DirectionWithoutTargetShowsNoArrow) {
    WhenShown();
    ShowDirectionMessage(env(), "Follow the arrow.", std::nullopt);
    EXPECT_EQ(seen.text, "Follow the arrow.");
    EXPECT_FALSE(seen.arrow);
    EXPECT_FALSE(pictures.requested.join(",").contains("arrow"));
}

TEST_F(FormMessageVariants, WithoutAScriptTheHeadersAreEnglish) {
    TMessageWindowEnv bare{nullptr, nullptr, {}, {}};
    WhenShown();
    ShowIncomingMessage(bare, "%d", 2);
    EXPECT_EQ(seen.header, "Incoming Message");
    EXPECT_EQ(seen.text, "2");
}

} // namespace
} // namespace veltrane
