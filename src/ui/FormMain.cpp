#include "FormMain.h"

#include "BackgroundPainter.h"
#include "CityView.h"
#include "ClickLabel.h"
#include "ColourConvert.h"
#include "CommandKeys.h"
#include "DialogScaler.h"
#include "FormHeadQuarter.h"
#include "FormNavigator.h"
#include "Gauge.h"
#include "LandscapeView.h"
#include "NewShape.h"
#include "PictureLists.h"
#include "PictureView.h"
#include "PlayAreaScaler.h"
#include "QtMessagePort.h"
#include "QtTimePort.h"
#include "SectorMapView.h"
#include "SideBar.h"
#include "StarFlightView.h"
#include "StatusPanel.h"
#include "SystemView.h"
#include "TitleBar.h"
#include "TranslateForm.h"
#include "WidgetKit.h"
#include "game/Course.h"
#include "game/Flight.h"
#include "game/Headless.h"
#include "game/Headquarter.h"
#include "game/Landing.h"
#include "game/Lifecycle.h"
#include "game/SectorChange.h"
#include "game/StatusDisplay.h"
#include "game/UpgradeShop.h"
#include "game/Views.h"
#include "lang/Format.h"
#include "lang/ScriptLookup.h"
#include "lang/TextCatalogue.h"
#include "persist/SavedGame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>

namespace veltrane {

FormMain::FormMain(TGameOptions& options, ISoundPort& sound, TFormMainServices services, QWidget* parent)
    : QWidget(parent), options_(options),
      cosmetic_(services.CosmeticSeed ? TRandom(*services.CosmeticSeed) : TRandom()), sound_(sound),
      services_(std::move(services)),
      pictures_(services_.LoadPicture, services_.ReportProblem, services_.LoadThumbnail) {
    setObjectName("FormMain");
    setWindowTitle("Veltrane");
    QFont font("Arial");
    font.setPixelSize(14);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);

    backgroundPainter_ = std::make_unique<BackgroundPainter>(pictures_);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        desktopSize_ = screen->size();

    BuildFrame();
    scaler_ = new PlayAreaScaler(*this, *background_);
    BuildPages();
    WireCommands();
    LoadDesignPictures();
    messages_ = services_.MakeMessagePort ? services_.MakeMessagePort(*this) : nullptr;
    if (!messages_)
        messages_ = std::make_unique<THeadlessMessages>(); // nobody to ask: every question is answered yes

    auto timer = [this](const char* name, int interval, void (FormMain::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        t->setInterval(interval);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    timMain_ = timer("timMain", 1000, &FormMain::timMainTimer);
    timStarFlight_ = timer("timStarFlight", 20, &FormMain::timStarFlightTimer);
    timBlinker_ = timer("timBlinker", 300, &FormMain::timBlinkerTimer);
    qtTime_ = std::make_unique<QtTimePort>(timMain_, timStarFlight_, timBlinker_);
    time_ = services_.Time ? services_.Time : qtTime_.get();
    game_ = MakeGame();
    for (SectorMapView* page : sectors_)
        page->Attach(*game_);
    system_->Attach(*game_);
    status_->Attach(*game_);
    const auto load = [this](const std::string& relative, bool transparent) {
        return pictures_.Load(relative, transparent);
    };
    landscape_->Attach(*game_, load);
    city_->Attach(*game_, load, lists_.Status);
    connect(system_, &SystemView::headquarterVisit, this, &FormMain::VisitHeadquarterDialog);
    keys_ = new CommandKeys(*this, *game_,
                            {{status_->btnStarMap(), "M"},
                             {status_->btnSystem(), "S"},
                             {status_->btnOrder(), "O"},
                             {status_->btnNavigator(), "N"},
                             {status_->btnSector(), "C"},
                             {top_->btnOptions(), "F2; Ctrl+O"}},
                            {sectors_.begin(), sectors_.end()},
                            [this] { btnOptionsClick(TOptionsPage::SavedGames); });

    ApplyWindowType();
    if (const Status made = game_->Start(); !made && services_.ReportProblem)
        services_.ReportProblem(made.error().message);
    CentreInParent(background_);
    time_->StartTimer(TTimer::Main);
}

FormMain::~FormMain() = default;

std::unique_ptr<TGame> FormMain::MakeGame() {
    TGameSetup setup;
    setup.ProgramFolder = services_.ProgramFolder;
    setup.UserFolder = services_.UserFolder;
    setup.JournalFile = services_.JournalFile;
    if (services_.Seed)
        setup.NextSeed = [next = *services_.Seed]() mutable { return next++; };
    setup.OpenScript = services_.OpenScript;
    // Without a script opener the window runs on the built-in texts.
    if (!setup.OpenScript)
        setup.OpenScript = [](const std::string&) { return std::shared_ptr<const ITextSource>(); };
    setup.LoadContent = services_.LoadContent;
    setup.ReportProblem = services_.ReportProblem;
    return std::make_unique<TGame>(options_, TGamePorts{*this, *messages_, sound_, *time_}, std::move(setup));
}

TCommandReport FormMain::Post(const TCommand& command) {
    return game_->Execute(command);
}

int FormMain::BackgroundTilesDecoded() const {
    return backgroundPainter_->TilesDecoded();
}

void FormMain::BuildFrame() {
    background_ = new QFrame(this);
    background_->setObjectName("pnlBackground");
    background_->setProperty(kTranslationSectionProperty, "FormMain"); // its controls are the window's
    background_->resize(900, 700);
    background_->setAutoFillBackground(true);
    background_->setPalette(MetalPalette(background_->palette()));

    top_ = new TitleBar(background_);
    storageBar_ = new SideBar(StorageBarDesign(), background_);
    storageBar_->move(0, 41);
    energyBar_ = new SideBar(EnergyBarDesign(), background_);
    energyBar_->move(900 - 40, 41);
    status_ = new StatusPanel(background_);
    status_->move(0, 700 - 205);
    // The command panel waits for the start-up step.
    status_->setEnabled(false);

    main_ = new QFrame(background_);
    main_->setObjectName("pnlMain");
    main_->setGeometry(39, 41, 821, 454);
    main_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    main_->setLineWidth(2);
    main_->setAutoFillBackground(true);
    QPalette mainPal = main_->palette();
    mainPal.setColor(QPalette::Window, Qt::black);
    main_->setPalette(mainPal);
}

void FormMain::BuildPages() {
    // Every page fills pnlMain's client area; only one is visible at a time.
    const QRect client = main_->contentsRect();
    for (int s = 1; s <= kSectorCount; ++s) {
        auto* page = new SectorMapView(s, main_);
        page->setGeometry(client);
        page->setVisible(s == 1);
        sectors_[static_cast<std::size_t>(s - 1)] = page;
    }
    system_ = new SystemView(main_);
    landscape_ = new LandscapeView(main_);
    city_ = new CityView(main_);
    starFlight_ = new StarFlightView(main_);
    tunnel_ = new PictureView("pnlTunnel", "imgTunnel", main_);
    for (QWidget* page : std::initializer_list<QWidget*>{system_, landscape_, city_, starFlight_, tunnel_}) {
        page->setGeometry(client);
        page->hide();
    }
    // In the order of TView.
    pages_ = {sectors_[0], sectors_[1], sectors_[2], sectors_[3], system_,
              landscape_,  city_,       starFlight_, tunnel_};
    status_->btnSector()->setEnabled(true);
}

void FormMain::WireCommands() {
    connect(top_->btnOptions(), &QPushButton::clicked, this, [this] { btnOptionsClick(); });
    connect(top_->btnExit(), &QPushButton::clicked, this, &QWidget::close);
    const auto post = [this](TCommandKind kind) { return [this, kind] { Post(MakeCommand(kind)); }; };
    connect(status_->btnStarMap(), &QPushButton::clicked, this, post(TCommandKind::Map));
    connect(status_->btnSystem(), &QPushButton::clicked, this, post(TCommandKind::System));
    connect(status_->btnOrder(), &QPushButton::clicked, this, post(TCommandKind::Order));
    connect(status_->btnNavigator(), &QPushButton::clicked, this, &FormMain::btnNavigatorClick);
    connect(status_->btnSector(), &QPushButton::clicked, this, &FormMain::btnSectorClick);
}

void FormMain::SetPicture(QWidget* target, const std::string& relative, bool transparent) {
    auto* label = qobject_cast<QLabel*>(target);
    if (!label)
        return;
    if (auto picture = pictures_.Load(relative, transparent))
        label->setPixmap(QPixmap::fromImage(*picture));
}

namespace {

// Sector thumbnails in the command panel, in device-independent pixels.
const QSize kThumbnailSize(34, 34);

} // namespace

void FormMain::LoadDesignPictures() {
    SetPicture(top_->imgTopLeft(), "Pics/TopLeft.jpg");
    SetPicture(top_->imgTitleBg(), "Pics/TitleBg.jpg");
    SetPicture(top_->imgLogo(), "Pics/Logo.bmp", true);
    SetPicture(top_->imgTopRight(), "Pics/TopRight.jpg");
    SetPicture(storageBar_->background(), "Pics/PanelLeft.jpg");
    SetPicture(energyBar_->background(), "Pics/PanelRight.jpg");
    SetPicture(status_->imgBottomTop(), "Pics/BottomTop.jpg");
    SetPicture(status_->imgBottomCenter(), "Pics/BottomCenter.jpg");
    SetPicture(status_->imgBottomBottom(), "Pics/BottomBottom.jpg");
    SetPicture(system_->imgSun(), "Pics/Sun.jpg");
    if (auto sky = pictures_.Load("Pics/SystemBg.jpg", false))
        system_->SetBackdrop(*sky);

    const std::pair<QPushButton*, const char*> glyphs[] = {
        {status_->btnStarMap(), "Pics/btnMap.bmp"},
        {status_->btnSystem(), "Pics/btnSystem.bmp"},
        {status_->btnOrder(), "Pics/btnOrder.bmp"},
        {status_->btnNavigator(), "Pics/btnNavigator.bmp"},
    };
    for (const auto& [button, file] : glyphs)
        if (auto picture = pictures_.Load(file, true))
            button->setIcon(QIcon(QPixmap::fromImage(*picture)));

    lists_.LoadIcons();
    city_->SetEquipmentPictures(lists_.Equipment);
}

QWidget* FormMain::Page(TView view) const {
    return pages_[static_cast<std::size_t>(view)];
}

SectorMapView* FormMain::SectorPage(int sector) const {
    if (sector < 1 || sector > kSectorCount)
        return nullptr;
    return sectors_[static_cast<std::size_t>(sector - 1)];
}

void FormMain::ShowPage(TView view) {
    QWidget* shown = Page(view);
    for (TView v : kAllViews)
        Page(v)->setVisible(Page(v) == shown);
    if (view == TView::Landscape)
        landscape_->ResetShip();
    status_->btnSector()->setEnabled(IsSectorView(view));
    if (keys_)
        keys_->SetMapShown(IsSectorView(view));
}

void FormMain::PageChanged(TView view) {
    // Every page but the maps shows something of the picture lists.
    if (!IsSectorView(view))
        EnsurePictureLists();
    if (IsSectorView(view)) {
        UpdateSectorThumbnails();
        if (SectorMapView* page = SectorPage(Session().World.CurrentSector))
            page->Sync(Session());
    } else if (view == TView::System) {
        system_->Sync(Session(), lists_.Planets);
    } else if (view == TView::Landscape) {
        landscape_->Sync(Session().Surface);
    } else if (view == TView::StarFlight) {
        starFlight_->InitStarfield(cosmetic_);
    } else if (view == TView::City) {
        city_->Sync(Session());
    }
}

void FormMain::ShowFlightEnergy(int gaugeValue) {
    const int value = ClampGauge(gaugeValue);
    energyBar_->gauge()->setProgress(value);
    energyBar_->gauge()->setForeColor(ToQColor(EnergyGaugeColour(value)));
    energyBar_->percent()->setText(QString::fromStdString(GaugePercentText(value)));
}

void FormMain::ShowScanProgress(int value) {
    system_->gauScanner()->setProgress(value);
}

void FormMain::btnNavigatorClick() {
    FormNavigator dialog(
        game_->Ctx(),
        [this](const std::string& relative, bool transparent) {
            return pictures_.Load(relative, transparent);
        },
        [this](QWidget* form) {
            if (services_.Translate)
                services_.Translate(form, Script());
        },
        services_.PlatformClick, this);
    if (const std::optional<int> k = dialog.Choose())
        Post(MakeCommand(TCommandKind::Course, *k > 0 ? std::vector<int>{*k} : std::vector<int>{}));
}

void FormMain::btnSectorClick() {
    tunnelFrame_ = 0;
    const TCommandReport asked = Post(MakeCommand(TCommandKind::Sector));
    if (!asked.Outcome.Done)
        return;
    // The sector is chosen in a dialog; its answer is the command's.
    const std::vector<std::string> choices = SectorChoices(game_->Ctx());
    const std::string answer = services_.AskChoice
                                   ? services_.AskChoice(asked.Outcome.Text, choices)
                                   : AskChoice(asked.Outcome.Text, choices, Tables().DlgCaptions);
    if (!answer.empty())
        Post(MakeCommand(TCommandKind::Sector, {ChosenSector(answer)}));
}

void FormMain::ShowInfoLine(const std::string& text, TColor colour) {
    QLabel* info = status_->lblInfo();
    QPalette pal = info->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(colour));
    info->setPalette(pal);
    info->setText(QString::fromStdString(text));
}

void FormMain::RefreshStatus() {
    const TStatusValues v = ComputeStatus(Session().World);
    // The command panel waits for the start-up step.
    status_->setEnabled(Session().StartupStepDone);
    ShowCaptain();
    ShowGalaxyName();

    // A translation whose budget text does not fit one number falls back to
    // the built-in text rather than leaving the budget blank.
    const std::vector<FormatArg> amount{std::int64_t{Session().World.Captain.Budget}};
    Result<std::string> budget = FormatText(Script(), texts::Budget, amount);
    if (!budget)
        budget = Format(texts::Budget.DefaultText(), amount);
    status_->lblBudget()->setText(QString::fromStdString(budget ? *budget : std::string()));

    storageBar_->gauge()->setProgress(v.StorageGauge);
    energyBar_->gauge()->setProgress(v.EnergyGauge);
    energyBar_->gauge()->setForeColor(ToQColor(v.EnergyColour));

    auto equipment = [this](int index) {
        return index >= 1 && index < static_cast<int>(lists_.Equipment.size())
                   ? QPixmap::fromImage(lists_.Equipment[static_cast<std::size_t>(index)])
                   : QPixmap();
    };
    storageBar_->picture()->setPixmap(equipment(v.StoragePicture));
    energyBar_->picture()->setPixmap(equipment(v.EnergyCellPicture));
    system_->imgScanner()->setPixmap(equipment(v.ScannerPicture));

    storageBar_->percent()->setText(QString::fromStdString(v.StoragePercentText));
    energyBar_->percent()->setText(QString::fromStdString(v.EnergyPercentText));
    status_->ShowModules(v.ModuleVisible, Script());
    if (Session().Passage == TPassage::StarFlight)
        ShowFlightEnergy(Session().FlightEnergy);
    FillLists();
}

void FormMain::FillLists() {
    status_->ShowCargo(Session().World.Cargo, lists_.CargoPictures(Session().World.Cargo));
    // A new game carries no jobs: its first frame needs no transport pictures.
    status_->ShowTransport(Session().World.Transport,
                           Session().World.Transport.empty() ? lists_.Transport : imlTransport());
}

void FormMain::ShowGalaxyName() {
    status_->lblGalaxyTop()->setText(
        QString::fromStdString(Lookup(Script(), texts::Galaxy) + " " + Session().World.GalaxyName));
}

void FormMain::ShowCaptain() {
    status_->lblCaptainTop()->setText(QString::fromStdString(Session().World.Captain.Name));
    SetPicture(status_->imgCaptain(),
               "Pics/Captain" + std::to_string(Session().World.Captain.ImageIndex) + ".jpg");
}

void FormMain::WorldReplaced(TWorldChange change) {
    time_->StopTimer(TTimer::StarFlight);
    lists_.ForgetCargo();
    for (int s = 1; s <= kSectorCount; ++s) {
        SectorMapView* page = SectorPage(s);
        if (change == TWorldChange::NewGame)
            page->CreateMarkers(World().Galaxy[s]);
        else
            page->RestoreMarkers(World().Galaxy[s]);
        page->Sync(Session()); // no filter of the old game hides anything
    }
    if (change == TWorldChange::NewGame) {
        // Thumbnails as sharp as the screen shows them.
        const int dpr = static_cast<int>(std::ceil(devicePixelRatioF()));
        if (lists_.LoadSectorMaps(World().CurrentSector, kThumbnailSize * dpr)) {
            status_->SetThumbnails(lists_.Thumbnails, lists_.CurrentThumbnails);
            listsDue_ = lists_.Tunnel.empty();
        }
    }
    UpdateSectorThumbnails();
}

void FormMain::ContentLoaded() {
    if (services_.Translate && game_) {
        services_.Translate(this, Script());
        if (!isAncestorOf(background_)) // scaled, the play area lives in the view's scene
            services_.Translate(background_, Script());
    }
    keys_->AppendHints();
    city_->Sync(Session());
}

void FormMain::OptionsDue() {
    if (!Session().StartupStepDone)
        btnOptionsClick();
}

void FormMain::ShowClock(int seconds) {
    status_->lblTime()->setText(QString::fromStdString(ClockText(seconds)));
}

void FormMain::EnsurePictureLists() {
    if (!listsDue_)
        return;
    listsDue_ = false;
    LoadPictureLists();
}

const std::vector<QImage>& FormMain::imlTunnel() {
    EnsurePictureLists();
    return lists_.Tunnel;
}

const std::vector<QImage>& FormMain::imlPlanets() {
    EnsurePictureLists();
    return lists_.Planets;
}

const std::vector<QImage>& FormMain::imlShips() {
    EnsurePictureLists();
    return lists_.Ships;
}

const std::vector<QImage>& FormMain::imlTransport() {
    EnsurePictureLists();
    return lists_.Transport;
}

void FormMain::LoadPictureLists() {
    if (!lists_.LoadGameLists())
        return;
    SetPicture(landscape_->imgPowerPack(), "Pics/powerup.bmp", true);
    for (int n = 1; n <= kModuleCount; ++n)
        SetPicture(status_->imgModule(n), "Pics/Module" + std::to_string(n) + ".bmp", true);
    SetPicture(system_->imgSEROShip(), "Pics/Seroship.bmp", true);
}

void FormMain::UpdateSectorThumbnails() {
    for (int s = 1; s <= kSectorCount; ++s) {
        status_->imgSector(s, false)->setVisible(s != Session().World.CurrentSector);
        status_->imgSector(s, true)->setVisible(s == Session().World.CurrentSector);
    }
    if (SectorMapView* page = SectorPage(Session().World.CurrentSector))
        if (const QImage* map = lists_.SectorMap(Session().World.CurrentSector))
            page->setBackground(*map);
}

void FormMain::ApplyWindowType() {
    background_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    background_->resize(900, 700);
    scaler_->ApplyWindowType(IsStandardWindow(options_.WindowType), options_.Scaling, QSize(1024, 768));
    top_->PlaceExitButton();
}

void FormMain::timMainTimer() {
    game_->Tick();
}

void FormMain::timStarFlightTimer() {
    EnsurePictureLists();
    const TView view = Session().CurrentView;
    if (view == TView::Landscape || view == TView::City) {
        landscape_->StepShip(cosmetic_, lists_.Ships);
    } else if (view == TView::Tunnel) {
        // The four frames loop every 80 ms.
        if (!lists_.Tunnel.empty()) {
            tunnelFrame_ %= static_cast<int>(lists_.Tunnel.size());
            tunnel_->picture()->setPixmap(
                QPixmap::fromImage(lists_.Tunnel[static_cast<std::size_t>(tunnelFrame_++)]));
        }
    } else {
        starFlight_->StepStarfield(cosmetic_);
    }
}

void FormMain::timBlinkerTimer() {
    if (SectorMapView* page = SectorPage(Session().World.CurrentSector))
        page->Blink(Session().World.CurrentSystem);
}

void FormMain::btnOptionsClick(TOptionsPage page) {
    StartAudio(); // a window that was never painted has not opened it yet
    if (services_.RunOptionsDialog)
        services_.RunOptionsDialog(*this, page);
    Post(MakeCommand(TCommandKind::Options));
}

void FormMain::VisitHeadquarterDialog() {
    if (!Post(MakeCommand(TCommandKind::Hq)).Outcome.Done)
        return;
    const THeadquarterVisit& visit = game_->LastVisit();
    {
        FormHeadQuarter dialog(
            visit,
            [this](const std::string& relative, bool transparent) {
                return pictures_.Load(relative, transparent);
            },
            [this] { sound_.PlayButtonSound(); }, this);
        // Over the middle of the system view, a little low.
        const QPoint centre = system_->mapToGlobal(system_->rect().center());
        dialog.move(centre.x() - dialog.width() / 2, centre.y() - dialog.height() / 2 + 50);
        ExecDialog(dialog);
    }
    if (visit.Won) {
        const bool yes = messages_->ShowMessDlg(Lookup(Script(), texts::StartNew), "", TMessageKind::Confirm);
        Post(MakeCommand(TCommandKind::NewGame, {}, yes ? "yes" : "no"));
    }
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        const std::string question = Lookup(Script(), texts::AYS);
        if (!messages_->ShowMessDlg(question, "", TMessageKind::Confirm)) {
            event->ignore();
            return;
        }
        closeConfirmed_ = true;
        Post(MakeCommand(TCommandKind::Quit));
        Tables().EventTexts.clear();
        timBlinker_->stop();
        timMain_->stop();
        timStarFlight_->stop();
        if (services_.ShutdownAudio)
            services_.ShutdownAudio();
    }
    event->accept();
}

void FormMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backgroundPainter_->Paint(painter, size());
    FramePainted();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint)
        FramePainted();
    return QWidget::eventFilter(watched, event);
}

void FormMain::FramePainted() {
    if (!audioStarted_)
        QTimer::singleShot(0, this, &FormMain::StartAudio);
    if (listsDue_)
        QTimer::singleShot(0, this, &FormMain::EnsurePictureLists);
}

void FormMain::StartAudio() {
    if (audioStarted_)
        return;
    audioStarted_ = true;
    if (services_.InitAudio)
        services_.InitAudio();
}

void FormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (contentLoadedOnce_)
        return;
    contentLoadedOnce_ = true;
    ContentLoaded();
}

} // namespace veltrane
