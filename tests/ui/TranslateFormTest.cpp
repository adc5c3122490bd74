#include "ui/TranslateForm.h"
#include "ui/RadioGroup.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>
#include <memory>
#include <utility>

namespace veltrane {
namespace {

// A script held in memory: (section, key) -> value.
class TableScript : public ITextSource {
  public:
    TableScript(std::initializer_list<std::pair<const std::string, std::string>> entries)
        : entries_(entries) {}
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
        auto it = entries_.find(std::string(section) + "|" + std::string(key));
        if (it == entries_.end())
            return std::nullopt;
        return it->second;
    }

  private:
    std::map<std::string, std::string> entries_;
};

// Shorthand for entries of the options window's section.
std::pair<const std::string, std::string> Opt(const std::string& key, const std::string& value) {
    return {"FormOptions|" + key, value};
}

template <typename W> W* Named(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

// A small options window, built in the order its controls are listed.
class TranslateFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<QWidget>();
        form->setObjectName("FormOptions");
        form->setWindowTitle("Game options");

        tabs = Named<QTabWidget>(form.get(), "pgcOptions");
        auto* settings = Named<QWidget>(nullptr, "tabSettings");
        auto* games = Named<QWidget>(nullptr, "tabGameList");
        tabs->addTab(settings, "Settings");
        tabs->addTab(games, "Saved games");

        captain = Named<QGroupBox>(settings, "gbxCaptain");
        captain->setTitle("Captain");
        name = Named<QLabel>(captain, "lblCaptainName");
        name->setText("Name");
        president = Named<QPlainTextEdit>(settings, "memPresident");
        president->setPlainText("Welcome");
        windowType = new TRadioGroup("Window type", {"Full screen", "Standard"}, 2, settings);
        windowType->setObjectName("rbxWindowType");
        language = Named<QListWidget>(settings, "lbxLanguage");
        language->addItems({"English.lng", "Deutsch.lng"});
        exit = Named<QPushButton>(settings, "btnExit");
        exit->setText("Exit");

        gameList = Named<QTreeWidget>(games, "lvwGameList");
        gameList->setColumnCount(2);
        gameList->setHeaderLabels({"Name", "Date"});
        speed = Named<QComboBox>(games, "cbxSpeed");
        speed->addItems({"Slow", "Normal", "Fast"});
        speed->setCurrentIndex(2);
        about = Named<QFrame>(games, "pnlAbout");
        about->setProperty("caption", "About");
        timer = Named<QTimer>(nullptr, "timMain");
        timer->setParent(form.get());
    }

    Status Translate(const ITextSource& script) {
        return TranslateForm(form.get(), script, [this](const QString& text) { errors << text; });
    }

    std::unique_ptr<QWidget> form;
    QTabWidget* tabs = nullptr;
    QGroupBox* captain = nullptr;
    QLabel* name = nullptr;
    QPlainTextEdit* president = nullptr;
    TRadioGroup* windowType = nullptr;
    QListWidget* language = nullptr;
    QPushButton* exit = nullptr;
    QTreeWidget* gameList = nullptr;
    QComboBox* speed = nullptr;
    QFrame* about = nullptr;
    QTimer* timer = nullptr;
    QStringList errors;
};

TEST_F(TranslateFormTest, RadioItemsWithTwoPartsReplaceBoth) {
    EXPECT_TRUE(Translate(TableScript{Opt("rbxWindowType.Items", "Vollbild,Fenster")}));
    EXPECT_EQ(windowType->items(), QStringList({"Vollbild", "Fenster"}));
    EXPECT_EQ(windowType->button(1)->text(), "Fenster");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TranslateFormTest, SurplusItemPartsAreIgnored) {
    windowType->setItemIndex(1);
    EXPECT_TRUE(Translate(TableScript{Opt("rbxWindowType.Items", "Vollbild,Fenster,Kiosk")}));
    EXPECT_EQ(windowType->items(), QStringList({"Vollbild", "Fenster"}));
    EXPECT_EQ(windowType->itemIndex(), 1);
}

TEST_F(TranslateFormTest, TooFewItemPartsStopTheTranslationThere) {
    const TableScript script{Opt("Caption", "Spieloptionen"), Opt("gbxCaptain.Caption", "Kapitaen"),
                             Opt("rbxWindowType.Items", "Vollbild"), Opt("btnExit.Caption", "Ende"),
                             Opt("lvwGameList.Columns.Captions", "Name,Datum")};
    const Status status = Translate(script);

    EXPECT_FALSE(status);
    EXPECT_NE(status.error().message.find("rbxWindowType.Items"), std::string::npos)
        << status.error().message;
    EXPECT_EQ(errors, QStringList{"Error in Translation script!"});
    // Before the fault: translated. The faulty control and everything after: as they were.
    EXPECT_EQ(form->windowTitle(), "Spieloptionen");
    EXPECT_EQ(captain->title(), " Kapitaen ");
    EXPECT_EQ(windowType->items(), QStringList({"Full screen", "Standard"}));
    EXPECT_EQ(exit->text(), "Exit");
    EXPECT_EQ(gameList->headerItem()->text(1), "Date");
}

TEST_F(TranslateFormTest, PagesGoInTabOrderWhicheverPageIsShown) {
    // Showing a page raises it to the end of Qt's child list; the fault on the
    // first page must still keep the second page untouched.
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(
        Translate(TableScript{Opt("rbxWindowType.Items", "Vollbild"), Opt("tabGameList.Caption", "Spiele"),
                              Opt("cbxSpeed.Items", "a,b,c")}));
    EXPECT_EQ(tabs->tabText(1), "Saved games");
    EXPECT_EQ(speed->itemText(0), "Slow");
}

TEST_F(TranslateFormTest, GroupBoxTitleGetsABlankEachSideButRadioGroupDoesNot) {
    Translate(TableScript{Opt("gbxCaptain.Caption", "Captain"), Opt("rbxWindowType.Caption", "Fenstertyp")});
    EXPECT_EQ(captain->title(), " Captain ");
    EXPECT_EQ(windowType->title(), "Fenstertyp");
}

TEST_F(TranslateFormTest, HintIsGivenToAControlThatHadNone) {
    ASSERT_TRUE(exit->toolTip().isEmpty());
    Translate(TableScript{Opt("btnExit.Hint", "Leave the options")});
    EXPECT_EQ(exit->toolTip(), "Leave the options");
}

TEST_F(TranslateFormTest, MissingOrEmptyKeysKeepTheDesignTexts) {
    Translate(TableScript{Opt("btnExit.Caption", "Ende"),
                          Opt("lblCaptainName.Caption", ""),
                          Opt("lbxLanguage.Items", ""),
                          {"FormMain|gbxCaptain.Caption", "Wrong window"}});
    EXPECT_EQ(exit->text(), "Ende");
    EXPECT_EQ(name->text(), "Name");
    EXPECT_EQ(language->item(0)->text(), "English.lng");
    EXPECT_EQ(captain->title(), "Captain");
    EXPECT_EQ(president->toPlainText(), "Welcome");
    EXPECT_EQ(form->windowTitle(), "Game options");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TranslateFormTest, LinesWithTwoCommasMakeThreeLines) {
    Translate(TableScript{Opt("memPresident.Lines", "Hello Captain,welcome aboard,good luck")});
    EXPECT_EQ(president->toPlainText(), "Hello Captain\nwelcome aboard\ngood luck");
    EXPECT_EQ(president->document()->blockCount(), 3);
}

TEST_F(TranslateFormTest, SecondScriptOverridesAndFirstSurvivesWhereSecondIsSilent) {
    Translate(TableScript{Opt("btnExit.Caption", "Ende"), Opt("lblCaptainName.Caption", "Name:")});
    Translate(TableScript{Opt("btnExit.Caption", "Sortie")});
    EXPECT_EQ(exit->text(), "Sortie");
    EXPECT_EQ(name->text(), "Name:");
}

TEST_F(TranslateFormTest, ListViewColumnTitlesNeedAPartPerColumn) {
    EXPECT_TRUE(Translate(TableScript{Opt("lvwGameList.Columns.Captions", "Spiel,Datum,Extra")}));
    EXPECT_EQ(gameList->headerItem()->text(0), "Spiel");
    EXPECT_EQ(gameList->headerItem()->text(1), "Datum");
    EXPECT_EQ(gameList->columnCount(), 2);

    EXPECT_FALSE(
        Translate(TableScript{Opt("lvwGameList.Columns.Captions", "Game"), Opt("cbxSpeed.Items", "a,b,c")}));
    EXPECT_EQ(errors, QStringList{"Error in Translation script!"});
    EXPECT_EQ(gameList->headerItem()->text(0), "Spiel");
    EXPECT_EQ(speed->itemText(0), "Slow");
}

TEST_F(TranslateFormTest, ListWithHiddenHeaderStillNeedsEveryColumnTitle) {
    auto* cargo = Named<QTreeWidget>(form.get(), "lvwCargo");
    cargo->setColumnCount(2); // the second column carries the hidden description
    cargo->setHeaderHidden(true);
    EXPECT_FALSE(Translate(TableScript{Opt("lvwCargo.Columns.Captions", "Fracht")}));
    EXPECT_TRUE(Translate(TableScript{Opt("lvwCargo.Columns.Captions", "Fracht,Info")}));
    EXPECT_EQ(cargo->headerItem()->text(1), "Info");
}

TEST_F(TranslateFormTest, TableColumnTitlesAreTranslatedToo) {
    auto* table = Named<QTableWidget>(form.get(), "lvwPrices");
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({"Item", "Price"});
    Translate(TableScript{Opt("lvwPrices.Columns.Captions", "Ware,Preis")});
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Preis");
}

TEST_F(TranslateFormTest, PresentButEmptyCaptionEmptiesTheTitle) {
    Translate(TableScript{Opt("Caption", "")});
    EXPECT_EQ(form->windowTitle(), "");
}

TEST_F(TranslateFormTest, ComboKeepsItsSelectedIndex) {
    Translate(TableScript{Opt("cbxSpeed.Items", "Langsam,Normal,Schnell")});
    EXPECT_EQ(speed->currentIndex(), 2);
    EXPECT_EQ(speed->currentText(), "Schnell");
}

TEST_F(TranslateFormTest, ListBoxItemCountNeverChanges) {
    Translate(TableScript{Opt("lbxLanguage.Items", "Englisch,Deutsch,Franzoesisch")});
    ASSERT_EQ(language->count(), 2);
    EXPECT_EQ(language->item(1)->text(), "Deutsch");
    EXPECT_FALSE(Translate(TableScript{Opt("lbxLanguage.Items", "Nur eins")}));
    EXPECT_EQ(language->item(0)->text(), "Englisch");
}

TEST_F(TranslateFormTest, EveryCommaSeparatesEvenAroundEmptyParts) {
    Translate(TableScript{Opt("cbxSpeed.Items", "Slow,,Fast")});
    EXPECT_EQ(speed->itemText(1), "");
    EXPECT_EQ(speed->itemText(2), "Fast");
}

TEST_F(TranslateFormTest, TabPageCaptionRenamesItsTab) {
    Translate(TableScript{Opt("tabGameList.Caption", "Spielstaende")});
    EXPECT_EQ(tabs->tabText(1), "Spielstaende");
    EXPECT_EQ(tabs->tabText(0), "Settings");
}

TEST_F(TranslateFormTest, PanelCaptionIsItsCaptionProperty) {
    Translate(TableScript{Opt("pnlAbout.Caption", "Ueber")});
    EXPECT_EQ(about->property("caption").toString(), "Ueber");
}

TEST_F(TranslateFormTest, ControlsWithoutACaptionGainNoProperty) {
    Translate(TableScript{Opt("memPresident.Caption", "Nope"), Opt("lbxLanguage.Caption", "Nope")});
    EXPECT_FALSE(president->property("caption").isValid());
    EXPECT_FALSE(language->property("caption").isValid());
    EXPECT_EQ(president->toPlainText(), "Welcome");
}

TEST_F(TranslateFormTest, NonVisualComponentsAreSkipped) {
    Translate(TableScript{Opt("timMain.Caption", "x"), Opt("timMain.Hint", "x")});
    EXPECT_FALSE(timer->property("caption").isValid());
    EXPECT_FALSE(timer->property("toolTip").isValid());
}

TEST_F(TranslateFormTest, SectionIsTheWindowsName) {
    form->setObjectName("FormNavigator");
    Translate(TableScript{Opt("btnExit.Caption", "Ende"), {"FormNavigator|btnExit.Caption", "Zurueck"}});
    EXPECT_EQ(exit->text(), "Zurueck");
}

TEST_F(TranslateFormTest, ConvenienceOverloadTranslatesLikeTheOther) {
    EXPECT_TRUE(TranslateForm(form.get(), TableScript{Opt("btnExit.Caption", "Ende")}));
    EXPECT_EQ(exit->text(), "Ende");
}

TEST(TranslateFormNull, NoWindowIsNoFault) {
    bool shown = false;
    EXPECT_TRUE(TranslateForm(nullptr, TableScript{}, [&](const QString&) { shown = true; }));
    EXPECT_FALSE(shown);
}

} // namespace
} // namespace veltrane
