#include "FormOptions.h"

#include "DialogScaler.h"

#include "VersionCheck.h"

#include "ClickLabel.h"
#include "GuideOptions.h"
#include "RadioGroup.h"
#include "SavedGamesPage.h"
#include "TranslateForm.h"
#include "WidgetKit.h"
#include "lang/LanguageName.h"
#include "lang/ScriptLookup.h"
#include "lang/TextCatalogue.h"
#include "persist/FolderList.h"
#include "persist/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>

#include <algorithm>
#include <cctype>

namespace veltrane {

namespace {

constexpr int kClientWidth = 495;
constexpr int kClientHeight = 378;

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

QFont ArialFont(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A label that looks and acts like a link: blue, underlined, a pointing hand.
QLabel* MakeLink(QWidget* parent, const char* name, const QString& text, const QRect& where,
                 std::function<void()> open) {
    auto* label = new TClickLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(pal);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &TClickLabel::clicked, label, std::move(open));
    return label;
}

std::optional<std::string> AskNameWithInputBox(QWidget* parent, const std::string& title,
                                               const std::string& prompt, const std::string& proposal) {
    bool ok = false;
    const QString name =
        QInputDialog::getText(parent, QString::fromStdString(title), QString::fromStdString(prompt),
                              QLineEdit::Normal, QString::fromStdString(proposal), &ok);
    if (!ok)
        return std::nullopt;
    return name.toStdString();
}

} // namespace

FormOptions::FormOptions(TGame& game, TOptionsServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), game_(game), options_(game.Options()),
      services_(std::move(services)) {
    setObjectName("FormOptions");
    setWindowTitle("Game options");
    setFixedSize(kClientWidth, kClientHeight);
    setFont(ArialFont(12));
    if (!services_.AskName)
        services_.AskName = [this](const std::string& title, const std::string& prompt,
                                   const std::string& proposal) {
            return AskNameWithInputBox(this, title, prompt, proposal);
        };
    if (!services_.Translate)
        services_.Translate = [](QWidget* form, const ITextSource& script) { TranslateForm(form, script); };

    pages_ = new QTabWidget(this);
    pages_->setObjectName("pgcOptions");
    pages_->setGeometry(4, 4, kClientWidth - 8, kClientHeight - 8);
    BuildSettingsPage();
    savedGames_ = new SavedGamesPage(
        game_, services_.UserFolder, [this]() -> const ITextSource& { return *script_; }, services_.AskName,
        services_.Click);
    pages_->addTab(savedGames_, "Saved games");
    BuildInfoPage();

    connect(savedGames_, &SavedGamesPage::gameLoaded, this, &FormOptions::GameLoaded);
    connect(savedGames_, &SavedGamesPage::aboutToSave, this, &FormOptions::HandOverCaptain);
    connect(savedGames_, &SavedGamesPage::newGameClicked, this, [this] {
        game_.Execute(MakeCommand(TCommandKind::NewGame, {}, "yes"));
        resultMark_ = TOptionsResult::NewGame;
        // The new game's captain, so closing hands nothing of the old one back.
        ShowState();
        close();
    });
    connect(savedGames_, &SavedGamesPage::exitClicked, this, &QDialog::close);

    // Creation, in the order the game has always done it.
    bgSound_->setChecked(options_.Background);
    effects_->setChecked(options_.Effects);
    randomEvents_->setValue(options_.RandomEvents);
    savedGames_->Refresh();
    resultMark_ = TOptionsResult::Nothing;
    // The game clock stands still while the dialog is open.
    game_.Ctx().Time.StopTimer(TTimer::Main);
    captainName_->setText(QString::fromStdString(game_.World().Captain.Name));
    captainIndex_->setValue(game_.World().Captain.ImageIndex);
    updCaptainClick(captainIndex_->value());
    pages_->setCurrentWidget(tabSettings_);
    FillLanguages();
    ApplyLanguage();
    windowType_->setItemIndex(options_.WindowType == 1 ? 1 : 0);
    scaling_->setCurrentIndex(options_.Scaling == TScaling::Sharp ? 1 : 0);
}

FormOptions::~FormOptions() = default;

void FormOptions::BuildSettingsPage() {
    tabSettings_ = new QWidget;
    tabSettings_->setObjectName("tabSettings");
    pages_->addTab(tabSettings_, "Settings");

    auto* presidentBox = new QGroupBox(" President ", tabSettings_);
    presidentBox->setObjectName("gbxPresident");
    presidentBox->setGeometry(8, 4, 465, 124);
    QLabel* presidentPicture = MakePicture(presidentBox, "impPresident", QRect(10, 20, 80, 96), true);
    if (services_.LoadPicture)
        if (auto image = services_.LoadPicture("Pics/President.jpg", false))
            presidentPicture->setPixmap(QPixmap::fromImage(*image));
    president_ = new QPlainTextEdit(presidentBox);
    president_->setObjectName("memPresident");
    president_->setGeometry(98, 20, 357, 96);
    president_->setReadOnly(true);
    president_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    president_->setFont(ArialFont(16));
    QPalette tip = president_->palette();
    tip.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, palette().color(QPalette::ToolTipText));
    president_->setPalette(tip);

    auto* captainBox = new QGroupBox(" Captain ", tabSettings_);
    captainBox->setObjectName("gbxCaptain");
    captainBox->setGeometry(8, 132, 228, 98);
    captainPicture_ = MakePicture(captainBox, "imgCaptain", QRect(10, 20, 60, 70), true);
    captainIndex_ = new QSpinBox(captainBox);
    captainIndex_->setObjectName("updCaptain");
    captainIndex_->setGeometry(80, 66, 60, 24);
    captainIndex_->setRange(1, 4);
    captainIndex_->setValue(1);
    captainIndex_->setWrapping(false);
    MakeLabel(captainBox, "lblCaptainName", "Name", QRect(80, 18, 140, 18));
    captainName_ = new QLineEdit(captainBox);
    captainName_->setObjectName("edtCaptainName");
    captainName_->setGeometry(80, 38, 138, 24);
    connect(captainIndex_, &QSpinBox::valueChanged, this, &FormOptions::updCaptainClick);

    bgSound_ = new QCheckBox("Background sound", tabSettings_);
    bgSound_->setObjectName("chbBgSound");
    bgSound_->setGeometry(246, 136, 227, 20);
    bgSound_->setChecked(true);
    effects_ = new QCheckBox("Sound effects", tabSettings_);
    effects_->setObjectName("chbSoundEffects");
    effects_->setGeometry(246, 158, 227, 20);
    effects_->setChecked(true);
    MakeLabel(tabSettings_, "lblRandomEvents", "RandomEvents", QRect(246, 182, 227, 16));
    randomEvents_ = new QScrollBar(Qt::Horizontal, tabSettings_);
    randomEvents_->setObjectName("scbRandomEvents");
    randomEvents_->setGeometry(246, 200, 227, 16);
    randomEvents_->setRange(0, 100);
    randomEvents_->setValue(50);
    MakeLabel(tabSettings_, "lblOften", "Often", QRect(246, 216, 100, 14));
    QLabel* rare = MakeLabel(tabSettings_, "lblRare", "Rare", QRect(373, 216, 100, 14));
    rare->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* languageBox = new QGroupBox(" Language ", tabSettings_);
    languageBox->setObjectName("gbxLanguage");
    languageBox->setGeometry(8, 234, 228, 106);
    languages_ = new QListWidget(languageBox);
    languages_->setObjectName("lbxLanguage");
    languages_->setGeometry(10, 20, 208, 78);
    connect(languages_, &QListWidget::itemClicked, this, &FormOptions::lbxLanguageClick);

    windowType_ = new TRadioGroup("Window type", {"Full screen", "Standard"}, 2, tabSettings_);
    windowType_->setObjectName("rbxWindowType");
    windowType_->setGeometry(246, 234, 227, 54);
    // The window changes when the dialog has closed.
    connect(windowType_, &TRadioGroup::clicked, this,
            [this](int index) { options_.WindowType = static_cast<std::uint8_t>(index); });

    // The window follows the choice when the dialog has closed, as it does the window type.
    scaling_ = new QComboBox(tabSettings_);
    scaling_->setObjectName("cbxScaling");
    scaling_->setGeometry(246, 291, 227, 22);
    scaling_->addItems({"Smooth scaling", "Sharp scaling (whole steps)"});
    connect(scaling_, &QComboBox::activated, this,
            [this](int index) { options_.Scaling = index == 1 ? TScaling::Sharp : TScaling::Smooth; });

    start_ = MakeButton(tabSettings_, "btnStart", "START", QRect(246, 316, 227, 24));
    start_->setFont(ArialFont(16, true));
    connect(start_, &QPushButton::clicked, this, [this] {
        if (services_.Click)
            services_.Click();
        close();
    });
}

void FormOptions::BuildInfoPage() {
    tabInfo_ = new QWidget;
    tabInfo_->setObjectName("tabInfo");
    pages_->addTab(tabInfo_, "Info");

    QLabel* back =
        MakePicture(tabInfo_, "imgAbout", QRect(0, 0, kClientWidth - 14, kClientHeight - 36), true);
    if (services_.LoadPicture)
        if (auto image = services_.LoadPicture("Pics/About.jpg", false))
            back->setPixmap(QPixmap::fromImage(*image));

    auto* panel = new QFrame(tabInfo_);
    panel->setObjectName("pnlAbout");
    // A panel's caption is a property the translation may set; ours has none.
    panel->setProperty("caption", QString());
    panel->setGeometry(40, 24, 401, 290);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);

    QLabel* name = MakeLabel(panel, "lblProgramName", "Veltrane", QRect(0, 12, 401, 54));
    name->setFont(ArialFont(41, true));
    name->setAlignment(Qt::AlignCenter);
    MakeLabel(panel, "lblVersion", "Version", QRect(110, 78, 90, 18));
    MakeLabel(panel, "lblVersionNumber", kOwnVersion, QRect(210, 78, 120, 18));
    MakeLabel(panel, "lblHomepage", "Homepage:", QRect(40, 110, 90, 18));
    const auto open = [this](std::string url) {
        return [this, url = std::move(url)] {
            if (services_.OpenUrl && !url.empty())
                services_.OpenUrl(url);
        };
    };
    MakeLink(panel, "lblHomepageURL", kHomepageUrl, QRect(140, 110, 240, 18), open(kHomepageUrl));
    MakeLabel(panel, "lblEMail", "E-Mail:", QRect(40, 134, 90, 18));
    MakeLink(panel, "Label1", kMailAddress, QRect(140, 134, 240, 18),
             open(std::string("mailto:") + kMailAddress));

    // The project has no homepage or mail address of its own yet: no dead links then.
    for (const char* linkName : {"lblHomepage", "lblHomepageURL"})
        if (auto* label = panel->findChild<QLabel*>(linkName))
            label->setVisible(std::string_view(kHomepageUrl).size() > 0);
    for (const char* linkName : {"lblEMail", "Label1"})
        if (auto* label = panel->findChild<QLabel*>(linkName))
            label->setVisible(std::string_view(kMailAddress).size() > 0);

    QPushButton* donate = MakeButton(panel, "btnPayPal", "Donate", QRect(150, 168, 100, 30));
    donate->setVisible(std::string_view(kDonationUrl).size() > 0);
    connect(donate, &QPushButton::clicked, this, open(kDonationUrl));

    checkVersion_ =
        MakeButton(panel, "btnCheckVersion", "Online check for latest version", QRect(60, 232, 281, 34));
    checkVersion_->setToolTip("Print helptext");
    connect(checkVersion_, &QPushButton::clicked, this, [this] {
        if (services_.Click)
            services_.Click();
        if (services_.CheckVersion && script_)
            services_.CheckVersion(*script_);
    });
    guide_ = new GuideOptions(panel, game_, services_.LoadPicture, services_.Click);
}

void FormOptions::updCaptainClick(int position) {
    if (services_.LoadPicture)
        if (auto image = services_.LoadPicture("Pics/Captain" + std::to_string(position) + ".jpg", false))
            captainPicture_->setPixmap(QPixmap::fromImage(*image));
    if (position != game_.World().Captain.ImageIndex)
        game_.Execute(MakeCommand(TCommandKind::Portrait, {position}));
}

void FormOptions::HandOverCaptain() {
    const TCaptain& captain = game_.World().Captain;
    if (captainName_->text().toStdString() != captain.Name)
        game_.Execute(MakeCommand(TCommandKind::Captain, {}, captainName_->text().toStdString()));
    if (captainIndex_->value() != captain.ImageIndex)
        game_.Execute(MakeCommand(TCommandKind::Portrait, {captainIndex_->value()}));
}

void FormOptions::FillLanguages() {
    languages_->clear();
    int selected = -1;
    const std::string folder = services_.ProgramFolder + "LScripts/";
    for (const std::string& entry : ListFolderEntries(services_.ProgramFolder + "LScripts")) {
        if (selected < 0 && SameName(entry, options_.Language))
            selected = languages_->count();
        // The player reads the language's own name; the setting keeps the file.
        auto* item = new QListWidgetItem(
            QString::fromStdString(LanguageDisplayName(TScriptFile(folder + entry), entry)), languages_);
        item->setData(Qt::UserRole, QString::fromStdString(entry));
    }
    languages_->setCurrentRow(selected);
}

void FormOptions::ApplyLanguage() {
    const std::string path = services_.ProgramFolder + "LScripts/" + options_.Language;
    // The lookups that do not go through a text source read the same script.
    SetLanguageFile(path);
    script_ = std::make_unique<TScriptFile>(path);
    services_.Translate(this, *script_);
    guide_->Retext(*script_);
    president_->setPlainText(QString::fromStdString(Lookup(*script_, texts::Welcome)));
}

void FormOptions::lbxLanguageClick() {
    const QListWidgetItem* item = languages_->currentItem();
    if (!item)
        return;
    // The game reads the script anew when the dialog has closed.
    game_.Execute(MakeCommand(TCommandKind::Language, {}, item->data(Qt::UserRole).toString().toStdString()));
    ApplyLanguage();
}

void FormOptions::ShowState() {
    bgSound_->setChecked(options_.Background);
    effects_->setChecked(options_.Effects);
    randomEvents_->setValue(options_.RandomEvents);
    const TCaptain captain = game_.World().Captain;
    captainName_->setText(QString::fromStdString(captain.Name));
    captainIndex_->setValue(captain.ImageIndex);
    updCaptainClick(captainIndex_->value());
    QListWidgetItem* match = nullptr;
    for (int r = 0; r < languages_->count() && !match; ++r)
        if (SameName(languages_->item(r)->data(Qt::UserRole).toString().toStdString(), options_.Language))
            match = languages_->item(r);
    languages_->setCurrentItem(match);
}

void FormOptions::GameLoaded() {
    resultMark_ = TOptionsResult::Loaded;
    ShowState();
}

TOptionsResult FormOptions::Run() {
    if (const QScreen* display = screen()) {
        const QRect area = display->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    ExecDialog(*this);
    return resultMark_;
}

void FormOptions::done(int r) {
    if (!closed_) {
        closed_ = true;
        options_.Background = bgSound_->isChecked();
        options_.Effects = effects_->isChecked();
        if (randomEvents_->value() != options_.RandomEvents)
            game_.Execute(MakeCommand(TCommandKind::Events, {randomEvents_->value()}));
        Status saved = SaveSettings(services_.UserFolder, options_);
        if (Status guide = guide_->Apply(services_.UserFolder); saved)
            saved = std::move(guide);
        if (!saved)
            game_.Ctx().Messages.ShowMessDlg(saved.error().message, "", TMessageKind::Info);
        HandOverCaptain();
        game_.Ctx().Time.StartTimer(TTimer::Main);
    }
    QDialog::done(r);
}

} // namespace veltrane
