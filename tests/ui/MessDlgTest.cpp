#include "ui/MessDlg.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace veltrane {
namespace {

using veltrane::testing::WhenModal;

QAbstractButton* ButtonText(QWidget* box, const QString& text) {
    for (auto* b : box->findChildren<QAbstractButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QStringList ButtonTexts(QWidget* box) {
    QStringList texts;
    for (auto* b : box->findChildren<QAbstractButton*>())
        texts << b->text();
    texts.sort();
    return texts;
}

// ---- kind letters, captions and titles ----

TEST(MessDlgKind, FirstLetterInEitherCaseDecides) {
    EXPECT_EQ(MessDlgKind("c"), TMessDlgKind::Confirmation);
    EXPECT_EQ(MessDlgKind("Confirm"), TMessDlgKind::Confirmation);
    EXPECT_EQ(MessDlgKind("w"), TMessDlgKind::Warning);
    EXPECT_EQ(MessDlgKind("W"), TMessDlgKind::Warning);
    EXPECT_EQ(MessDlgKind("i"), TMessDlgKind::Information);
    EXPECT_EQ(MessDlgKind("information"), TMessDlgKind::Information);
    EXPECT_EQ(MessDlgKind("x"), TMessDlgKind::Plain);
    EXPECT_EQ(MessDlgKind("error"), TMessDlgKind::Plain);
    EXPECT_EQ(MessDlgKind(""), TMessDlgKind::Plain);
}

TEST(DlgCaptions, EmptyCaptionsGetEnglishAndGivenOnesStay) {
    TDlgCaptions captions;
    captions.Yes = "Ja";
    captions.Warning = "Warnung";
    FillDefaultCaptions(captions);
    EXPECT_EQ(captions.Yes, "Ja");
    EXPECT_EQ(captions.Warning, "Warnung");
    EXPECT_EQ(captions.No, "No");
    EXPECT_EQ(captions.OK, "OK");
    EXPECT_EQ(captions.Information, "Information");
    EXPECT_EQ(captions.Confirmation, "Confirmation");
    EXPECT_EQ(captions.Input, "Input");
}

TEST(MessDlgTitle, CallerCaptionBeatsTheKindsCaption) {
    TDlgCaptions captions;
    captions.Confirmation = "Bestaetigung";
    captions.Warning = "Warnung";
    captions.Information = "Hinweis";
    EXPECT_EQ(MessDlgTitle("Save game", TMessDlgKind::Warning, captions), "Save game");
    EXPECT_EQ(MessDlgTitle("", TMessDlgKind::Confirmation, captions), "Bestaetigung");
    EXPECT_EQ(MessDlgTitle("", TMessDlgKind::Warning, captions), "Warnung");
    EXPECT_EQ(MessDlgTitle("", TMessDlgKind::Information, captions), "Hinweis");
    EXPECT_EQ(MessDlgTitle("", TMessDlgKind::Plain, captions), "Information");
}

// ---- gradient ----

QColor Pixel(const QImage& image, int y) {
    return image.pixelColor(image.width() / 2, y);
}

TEST(GradientImage, YellowToRedFadesGreenRowByRow) {
    // 0x00FFFF is yellow and 0x0000FF red in 0x00BBGGRR.
    const QImage image = GradientImage(QSize(30, 100), 0x00FFFF, 0x0000FF);
    ASSERT_EQ(image.size(), QSize(30, 100));
    EXPECT_EQ(Pixel(image, 0), QColor(255, 255, 0));
    // 255 - 255 * 50 / 100 = 127.5, rounded to 128.
    EXPECT_EQ(Pixel(image, 50), QColor(255, 128, 0));
    // 255 - 255 * 99 / 100 = 2.55: the last row stops just short of red.
    EXPECT_EQ(Pixel(image, 99), QColor(255, 3, 0));
}

TEST(GradientImage, EveryPixelOfARowIsTheSame) {
    const QImage image = GradientImage(QSize(17, 9), 0x102030, 0xF0E0D0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), image.pixel(0, y)) << x << "," << y;
}

TEST(GradientImage, ChannelsAreReadFromRedInTheLowByte) {
    // Start 0x00BBGGRR = 0x300000: blue 48; end 0x000010: red 16. H = 4, row 2: halfway.
    const QImage image = GradientImage(QSize(4, 4), 0x300000, 0x000010);
    EXPECT_EQ(Pixel(image, 0), QColor(0, 0, 48));
    EXPECT_EQ(Pixel(image, 2), QColor(8, 0, 24));
}

TEST(GradientImage, NegativeColoursAreYellowAndMagenta) {
    const QImage image = GradientImage(QSize(5, 4), -1, -5);
    EXPECT_EQ(Pixel(image, 0), QColor(255, 255, 0));
    // Yellow to magenta (0xFF00FF): green falls and blue rises; row 2 of 4 is halfway, 127.5 -> 128.
    EXPECT_EQ(Pixel(image, 2), QColor(255, 128, 128));
    EXPECT_EQ(Pixel(image, 3), QColor(255, 64, 191));
}

TEST(GradientImage, OneRowIsTheStartColourAndNoRowsIsNoPicture) {
    EXPECT_EQ(Pixel(GradientImage(QSize(8, 1), 0x0000FF, 0xFF0000), 0), QColor(255, 0, 0));
    EXPECT_TRUE(GradientImage(QSize(8, 0), 0, 0).isNull());
    EXPECT_TRUE(GradientImage(QSize(0, 8), 0, 0).isNull());
}

// ---- comma text ----

TEST(CommaText, QuotedItemsKeepBlanksCommasAndDoubledQuotes) {
    EXPECT_EQ(ParseCommaText(R"("Sector A","Sector B")"), QStringList({"Sector A", "Sector B"}));
    EXPECT_EQ(ParseCommaText(R"("a, b",c)"), QStringList({"a, b", "c"}));
    EXPECT_EQ(ParseCommaText(R"("say ""hi""",x)"), QStringList({R"(say "hi")", "x"}));
}

TEST(CommaText, BareBlanksSeparateLikeCommas) {
    EXPECT_EQ(ParseCommaText("Sector A,Sector B"), QStringList({"Sector", "A", "Sector", "B"}));
    EXPECT_EQ(ParseCommaText("  one ,  two  "), QStringList({"one", "two"}));
}

TEST(CommaText, EmptyItemsBetweenAndAfterCommas) {
    EXPECT_EQ(ParseCommaText("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(ParseCommaText("a,"), QStringList({"a", ""}));
    EXPECT_EQ(ParseCommaText(R"("",x)"), QStringList({"", "x"}));
}

TEST(CommaText, NothingGivesNoItems) {
    EXPECT_TRUE(ParseCommaText("").isEmpty());
    EXPECT_TRUE(ParseCommaText("   ").isEmpty());
}

TEST(CommaText, UnclosedQuoteRunsToTheEnd) {
    EXPECT_EQ(ParseCommaText(R"(x,"open, end)"), QStringList({"x", "open, end"}));
}

// ---- modal boxes ----

TEST(ShowMessDlg, ConfirmationYesIsTrue) {
    TDlgCaptions captions;
    WhenModal([](QWidget* box) { QTest::mouseClick(ButtonText(box, "Yes"), Qt::LeftButton); });
    EXPECT_TRUE(ShowMessDlg("Are you sure?", "", "c", captions));
}

TEST(ShowMessDlg, ConfirmationNoIsFalse) {
    TDlgCaptions captions;
    WhenModal([](QWidget* box) { QTest::mouseClick(ButtonText(box, "No"), Qt::LeftButton); });
    EXPECT_FALSE(ShowMessDlg("Are you sure?", "", "c", captions));
}

TEST(ShowMessDlg, ClosingTheBoxIsFalseWhateverTheKind) {
    TDlgCaptions captions;
    WhenModal([](QWidget* box) { box->close(); });
    EXPECT_FALSE(ShowMessDlg("Are you sure?", "", "C", captions));
    WhenModal([](QWidget* box) { box->close(); });
    EXPECT_FALSE(ShowMessDlg("Saved.", "", "i", captions));
}

TEST(ShowMessDlg, InformationOkIsTrue) {
    TDlgCaptions captions;
    QString title;
    QStringList buttons;
    WhenModal([&](QWidget* box) {
        title = box->windowTitle();
        buttons = ButtonTexts(box);
        QTest::mouseClick(ButtonText(box, "OK"), Qt::LeftButton);
    });
    EXPECT_TRUE(ShowMessDlg("Game saved.", "", "i", captions));
    EXPECT_EQ(title, "Information");
    EXPECT_EQ(buttons, QStringList{"OK"});
}

TEST(ShowMessDlg, WithoutAScriptConfirmationReadsYesAndNo) {
    TDlgCaptions captions; // nothing loaded yet
    QStringList buttons;
    QString title;
    WhenModal([&](QWidget* box) {
        buttons = ButtonTexts(box);
        title = box->windowTitle();
        QTest::mouseClick(ButtonText(box, "Yes"), Qt::LeftButton);
    });
    ShowMessDlg("Quit?", "", "c", captions);
    EXPECT_EQ(buttons, QStringList({"No", "Yes"}));
    EXPECT_EQ(title, "Confirmation");
    EXPECT_EQ(captions.Yes, "Yes"); // the record is filled for later calls
}

TEST(ShowMessDlg, GivenCaptionRecordIsUsedForButtonsAndTitles) {
    TDlgCaptions captions;
    captions.Yes = "Ja";
    captions.No = "Nein";
    captions.OK = "Gut";
    captions.Warning = "Warnung";
    QStringList confirm, warn;
    QString warnTitle;
    WhenModal([&](QWidget* box) {
        confirm = ButtonTexts(box);
        QTest::mouseClick(ButtonText(box, "Nein"), Qt::LeftButton);
    });
    EXPECT_FALSE(ShowMessDlg("Quit?", "", "c", captions));
    WhenModal([&](QWidget* box) {
        warn = ButtonTexts(box);
        warnTitle = box->windowTitle();
        QTest::mouseClick(ButtonText(box, "Gut"), Qt::LeftButton);
    });
    EXPECT_TRUE(ShowMessDlg("Careful!", "", "w", captions));
    EXPECT_EQ(confirm, QStringList({"Ja", "Nein"}));
    EXPECT_EQ(warn, QStringList{"Gut"});
    EXPECT_EQ(warnTitle, "Warnung");
}

TEST(ShowMessDlg, OtherLettersGetAPlainTitleUnlessACaptionIsGiven) {
    TDlgCaptions captions;
    captions.Information = "Hinweis";
    QString plain, given;
    WhenModal([&](QWidget* box) {
        plain = box->windowTitle();
        box->close();
    });
    ShowMessDlg("Text", "", "x", captions);
    WhenModal([&](QWidget* box) {
        given = box->windowTitle();
        box->close();
    });
    ShowMessDlg("Text", "Version check", "i", captions);
    EXPECT_EQ(plain, "Information");
    EXPECT_EQ(given, "Version check");
}

TEST(ShowMessDlg, BoxIsMetalWithReadablePlainTextAndStaysOnTop) {
    TDlgCaptions captions;
    QColor window, text;
    bool onTop = false;
    QString message;
    Qt::TextFormat format = Qt::AutoText;
    WhenModal([&](QWidget* box) {
        format = static_cast<QMessageBox*>(box)->textFormat();
        window = box->palette().color(QPalette::Window);
        text = box->palette().color(QPalette::WindowText);
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        message = static_cast<QMessageBox*>(box)->text();
        box->close();
    });
    ShowMessDlg("Hello <there>", "", "i", captions);
    // Dark metal like the frame, its text standing out bright.
    EXPECT_LT(window.lightness(), 80);
    EXPECT_GT(text.lightness() - window.lightness(), 120);
    EXPECT_TRUE(onTop);
    EXPECT_EQ(message, "Hello <there>");
    EXPECT_EQ(format, Qt::PlainText); // script texts are never markup
}

TEST(ShowMessDlg, GradientIsPaintedBehindTheControls) {
    TDlgCaptions captions; // yellow to red
    QImage shot;
    WhenModal([&](QWidget* box) {
        shot = box->grab().toImage();
        box->close();
    });
    ShowMessDlg("Painted", "", "i", captions);
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.pixelColor(1, 0), QColor(255, 255, 0));
    const QColor low = shot.pixelColor(1, shot.height() - 2);
    EXPECT_EQ(low.red(), 255);
    EXPECT_LT(low.green(), 20);
}

TEST(ShowMessDlg, LongKindReturnsAtOnceAndTheBoxFreesItselfWhenClosed) {
    TDlgCaptions captions;
    EXPECT_TRUE(ShowMessDlg("A newer version exists.", "", "information", captions));
    QPointer<QWidget> box;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "MessDlg" && w->isVisible())
            box = w;
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    box->close();
    QTest::qWait(10);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull());
}

TEST(ShowMessDlg, LongConfirmationAlsoAnswersTrueWithoutWaiting) {
    TDlgCaptions captions;
    EXPECT_TRUE(ShowMessDlg("Go on?", "", "confirm", captions));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "MessDlg" && w->isVisible())
            w->close();
}

// ---- choice box ----

TEST(ShowChoiceDlg, FirstItemIsPreselectedAndOkReturnsIt) {
    TDlgCaptions captions;
    QString title;
    WhenModal([&](QWidget* box) {
        title = box->windowTitle();
        QTest::mouseClick(box->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(ShowChoiceDlg("Select a sector", R"("Sector A","Sector B")", captions), "Sector A");
    EXPECT_EQ(title, "Input");
}

TEST(ShowChoiceDlg, AnotherRowChosenIsReturned) {
    TDlgCaptions captions;
    WhenModal([](QWidget* box) {
        box->findChild<QListWidget*>("lbxChoice")->setCurrentRow(1);
        QTest::mouseClick(box->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(ShowChoiceDlg("Select", "alpha,beta,gamma", captions), "beta");
}

TEST(ShowChoiceDlg, ClosingWithoutOkOrWithoutItemsGivesNothing) {
    TDlgCaptions captions;
    WhenModal([](QWidget* box) { box->close(); });
    EXPECT_EQ(ShowChoiceDlg("Select", "alpha,beta", captions), "");
    WhenModal([](QWidget* box) { QTest::mouseClick(box->findChild<QPushButton*>("btnOK"), Qt::LeftButton); });
    EXPECT_EQ(ShowChoiceDlg("Select", "", captions), "");
}

struct ChoiceLayout {
    QRect box, label, list, button;
    bool wrapped = false;
};

ChoiceLayout LayoutOf(const QString& text) {
    TDlgCaptions captions;
    ChoiceLayout layout;
    WhenModal([&](QWidget* box) {
        layout.box = box->geometry();
        auto* label = box->findChild<QLabel*>("lblText");
        layout.label = label->geometry();
        layout.wrapped = label->wordWrap();
        layout.list = box->findChild<QListWidget*>("lbxChoice")->geometry();
        layout.button = box->findChild<QPushButton*>("btnOK")->geometry();
        box->close();
    });
    ShowChoiceDlg(text, "a,b", captions);
    return layout;
}

TEST(ShowChoiceDlg, ListAndButtonHang20PixelsBelowEachOther) {
    const ChoiceLayout l = LayoutOf("Pick one");
    EXPECT_EQ(l.box.width(), 300);
    EXPECT_EQ(l.list.left(), 10);
    EXPECT_EQ(l.list.width(), 270);
    EXPECT_EQ(l.list.height(), 80);
    EXPECT_EQ(l.list.top(), l.label.bottom() + 1 + 20);
    EXPECT_EQ(l.button.top(), l.list.bottom() + 1 + 20);
    EXPECT_EQ(l.button.left(), 150 - l.button.width() / 2 - 5);
    EXPECT_EQ(l.box.height(), l.list.top() + 80 + 80);
    EXPECT_FALSE(l.wrapped);
}

TEST(ShowChoiceDlg, LongTextIsWrappedAt270Pixels) {
    const ChoiceLayout shortText = LayoutOf("Pick one");
    const ChoiceLayout l = LayoutOf("Into which sector of the galaxy would you like the hyperdrive to carry "
                                    "your ship next, Captain? Choose wisely, fuel is dear.");
    EXPECT_TRUE(l.wrapped);
    EXPECT_EQ(l.label.width(), 270);
    EXPECT_GT(l.label.height(), shortText.label.height());
    EXPECT_EQ(l.list.top(), l.label.bottom() + 1 + 20);
    EXPECT_EQ(l.box.height(), l.list.top() + 160);
}

} // namespace
} // namespace veltrane
