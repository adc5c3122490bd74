#include "FormMain.h"

#include "BackgroundPainter.h"
#include "CityView.h"
#include "ColourConvert.h"
#include "Gauge.h"
#include "LandscapeView.h"
#include "NewShape.h"
#include "PictureView.h"
#include "SectorMapView.h"
#include "SideBar.h"
#include "StatusPanel.h"
#include "SystemView.h"
#include "TitleBar.h"
#include "WidgetKit.h"
#include "game/Lifecycle.h"
#include "game/StatusDisplay.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

namespace veltrane {

namespace {

QPixmap Pixmap(const QImage& image) {
    return QPixmap::fromImage(image);
}

} // namespace

// Forwards to whichever language script is loaded at the moment, so helpers
// holding a text source see a language change at once.
class FormMain::CurrentScript : public ITextSource {
  public:
    explicit CurrentScript(const std::unique_ptr<ITextSource>& script) : script_(script) {}
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
        return script_ ? script_->Lookup(section, key) : std::nullopt;
    }

  private:
    const std::unique_ptr<ITextSource>& script_;
};

FormMain::FormMain(TGameOptions& options, TRandom& rng, ISoundPort& sound, TFormMainServices services,
                   QWidget* parent)
    : QWidget(parent), options_(options), rng_(rng), sound_(sound), services_(std::move(services)),
      pictures_(services_.LoadPicture, services_.ReportProblem),
      currentScript_(std::make_unique<CurrentScript>(script_)) {
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
    BuildPages();
    WireCommands();
    LoadDesignPictures();
    messages_ = services_.MakeMessagePort ? services_.MakeMessagePort(*this) : nullptr;

    timMain_ = new QTimer(this);
    timMain_->setObjectName("timMain");
    timMain_->setInterval(1000);
    connect(timMain_, &QTimer::timeout, this, &FormMain::timMainTimer);
    timStarFlight_ = new QTimer(this);
    timStarFlight_->setObjectName("timStarFlight");
    timStarFlight_->setInterval(20);
    timBlinker_ = new QTimer(this);
    timBlinker_->setObjectName("timBlinker");
    timBlinker_->setInterval(300);
    connect(timBlinker_, &QTimer::timeout, this, &FormMain::timBlinkerTimer);

    ApplyWindowType();
    if (services_.InitAudio)
        services_.InitAudio();
    NewGame();
    CentreInParent(background_);
    timMain_->start();
}

FormMain::~FormMain() = default;

const ITextSource& FormMain::Script() const {
    return *currentScript_;
}

int FormMain::BackgroundTilesDecoded() const {
    return backgroundPainter_->TilesDecoded();
}

void FormMain::BuildFrame() {
    background_ = new QFrame(this);
    background_->setObjectName("pnlBackground");
    background_->resize(900, 700);
    background_->setAutoFillBackground(true);
    QPalette pal = background_->palette();
    pal.setColor(QPalette::Window, QColor(20, 24, 32));
    pal.setColor(QPalette::WindowText, QColor(200, 235, 245));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 170, 180));
    pal.setColor(QPalette::ButtonText, QColor(16, 24, 32));
    // Bevels in the frame's metal tones rather than the desktop's white and grey.
    pal.setColor(QPalette::Light, QColor(96, 128, 142));
    pal.setColor(QPalette::Midlight, QColor(70, 92, 104));
    pal.setColor(QPalette::Mid, QColor(36, 46, 56));
    pal.setColor(QPalette::Dark, QColor(12, 16, 22));
    pal.setColor(QPalette::Shadow, QColor(0, 0, 0));
    background_->setPalette(pal);

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

    QPalette infoPal = status_->lblInfo()->palette();
    infoPal.setColor(QPalette::WindowText, Qt::white);
    infoPal.setColor(QPalette::Disabled, QPalette::WindowText, Qt::white);
    status_->lblInfo()->setPalette(infoPal);
    QPalette galaxyPal = status_->lblTime()->palette();
    status_->lblTime()->setPalette(galaxyPal);
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
    starFlight_ = new PictureView("pnlStarFlight", "imgStarFlight", main_);
    tunnel_ = new PictureView("pnlTunnel", "imgTunnel", main_);
    for (QWidget* page : std::initializer_list<QWidget*>{system_, landscape_, city_, starFlight_, tunnel_}) {
        page->setGeometry(client);
        page->hide();
    }
    status_->btnSector()->setEnabled(true);
}

void FormMain::WireCommands() {
    connect(top_->btnOptions(), &QPushButton::clicked, this, &FormMain::btnOptionsClick);
    connect(top_->btnExit(), &QPushButton::clicked, this, &FormMain::btnExitClick);
    connect(status_->btnStarMap(), &QPushButton::clicked, this, &FormMain::btnStarMapClick);
    connect(status_->btnSystem(), &QPushButton::clicked, this, &FormMain::btnSystemClick);
}

void FormMain::SetPicture(QWidget* target, const std::string& relative, bool transparent) {
    auto* label = qobject_cast<QLabel*>(target);
    if (!label)
        return;
    if (auto picture = pictures_.Load(relative, transparent))
        label->setPixmap(Pixmap(*picture));
}

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

    const std::pair<QPushButton*, const char*> glyphs[] = {
        {status_->btnStarMap(), "Pics/btnMap.bmp"},
        {status_->btnSystem(), "Pics/btnSystem.bmp"},
        {status_->btnOrder(), "Pics/btnOrder.bmp"},
        {status_->btnNavigator(), "Pics/btnNavigator.bmp"},
    };
    for (const auto& [button, file] : glyphs)
        if (auto picture = pictures_.Load(file, true))
            button->setIcon(QIcon(Pixmap(*picture)));

    // imlEquipment counts from 1; its slot 0 stays empty.
    imlEquipment_.assign(1, QImage());
    if (!LoadList(imlEquipment_, "Pics/equip", ".bmp", 1, 15, true))
        imlEquipment_.resize(16);
    if (!LoadList(imlStatus_, "Pics/status", ".bmp", 0, 2, true))
        imlStatus_.resize(3);
    city_->SetEquipmentPictures(imlEquipment_);
}

bool FormMain::LoadList(std::vector<QImage>& list, const char* stem, const char* extension, int first,
                        int last, bool transparent) {
    for (int n = first; n <= last; ++n) {
        auto picture = pictures_.Load(stem + std::to_string(n) + extension, transparent);
        if (!picture)
            return false; // reported; the rest of this loading is skipped
        list.push_back(std::move(*picture));
    }
    return true;
}

QWidget* FormMain::Page(TView view) const {
    switch (view) {
    case TView::Sector1:
        return sectors_[0];
    case TView::Sector2:
        return sectors_[1];
    case TView::Sector3:
        return sectors_[2];
    case TView::Sector4:
        return sectors_[3];
    case TView::System:
        return system_;
    case TView::Landscape:
        return landscape_;
    case TView::City:
        return city_;
    case TView::StarFlight:
        return starFlight_;
    case TView::Tunnel:
        return tunnel_;
    }
    return sectors_[0];
}

SectorMapView* FormMain::SectorPage(int sector) const {
    if (sector < 1 || sector > kSectorCount)
        return nullptr;
    return sectors_[static_cast<std::size_t>(sector - 1)];
}

void FormMain::ShowView(TView view) {
    QWidget* shown = Page(view);
    for (TView v : {TView::Sector1, TView::Sector2, TView::Sector3, TView::Sector4, TView::System,
                    TView::Landscape, TView::City, TView::StarFlight, TView::Tunnel})
        Page(v)->setVisible(Page(v) == shown);
    currentView_ = view;
    const bool onMap =
        view == TView::Sector1 || view == TView::Sector2 || view == TView::Sector3 || view == TView::Sector4;
    status_->btnSector()->setEnabled(onMap);
}

void FormMain::ShowSectorMap(bool fromMapButton) {
    if (fromMapButton)
        sound_.PlayButtonSound();
    const int sector = std::clamp(world_.CurrentSector, 1, kSectorCount);
    ShowView(static_cast<TView>(static_cast<int>(TView::Sector1) + sector - 1));
    timBlinker_->start();
}

void FormMain::btnStarMapClick() {
    ShowSectorMap(true);
}

void FormMain::btnSystemClick() {
    sound_.PlayButtonSound();
    ShowView(TView::System);
}

void FormMain::ShowInfoLine(const std::string& text, TColor colour) {
    QLabel* info = status_->lblInfo();
    QPalette pal = info->palette();
    pal.setColor(QPalette::WindowText, ToQColor(colour));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(colour));
    info->setPalette(pal);
    info->setText(QString::fromStdString(text));
    if (colour == kRed)
        sound_.PlaySoundEffect("bad.wav");
    else if (colour == kGreen)
        sound_.PlaySoundEffect("good.wav");
}

void FormMain::RefreshStatus() {
    const TStatusValues v = ComputeStatus(world_);

    // A translation whose budget text does not fit one number falls back to
    // the built-in text rather than leaving the budget blank.
    const std::vector<FormatArg> amount{std::int64_t{world_.Captain.Budget}};
    Result<std::string> budget = FormatText(Script(), texts::Budget, amount);
    if (!budget)
        budget = Format(texts::Budget.DefaultText(), amount);
    status_->lblBudget()->setText(QString::fromStdString(budget ? *budget : std::string()));

    storageBar_->gauge()->setProgress(v.StorageGauge);
    energyBar_->gauge()->setProgress(v.EnergyGauge);
    energyBar_->gauge()->setForeColor(ToQColor(v.EnergyColour));

    auto equipment = [this](int index) {
        return index >= 1 && index < static_cast<int>(imlEquipment_.size()) ? Pixmap(imlEquipment_[index])
                                                                            : QPixmap();
    };
    storageBar_->picture()->setPixmap(equipment(v.StoragePicture));
    energyBar_->picture()->setPixmap(equipment(v.EnergyCellPicture));
    system_->imgScanner()->setPixmap(equipment(v.ScannerPicture));

    storageBar_->percent()->setText(QString::fromStdString(v.StoragePercentText));
    energyBar_->percent()->setText(QString::fromStdString(v.EnergyPercentText));
    for (int n = 1; n <= kModuleCount; ++n)
        status_->imgModule(n)->setVisible(v.ModuleVisible[static_cast<std::size_t>(n - 1)]);
}

void FormMain::ShowGalaxyName() {
    status_->lblGalaxyTop()->setText(
        QString::fromStdString(Lookup(Script(), texts::Galaxy) + " " + world_.GalaxyName));
}

void FormMain::ShowCaptain() {
    status_->lblCaptainTop()->setText(QString::fromStdString(world_.Captain.Name));
    SetPicture(status_->imgCaptain(), "Pics/Captain" + std::to_string(world_.Captain.ImageIndex) + ".jpg");
}

void FormMain::NewGame() {
    const Status made = StartNewGame(world_, tables_, rng_, TMapGeometry{817, 450, 0, 0});
    if (!made && services_.ReportProblem)
        services_.ReportProblem(made.error().message);
    imlArtefacts_.clear();
    status_->lvwCargo()->clear();
    status_->lvwTransDisplay()->clear();

    ShowGalaxyName();
    ShowCaptain();
    RefreshStatus();
    for (int s = 1; s <= kSectorCount; ++s)
        SectorPage(s)->CreateMarkers(world_.Galaxy[s]);
    timBlinker_->start();

    if (!LoadSectorPictures())
        return;
    UpdateSectorThumbnails();
    if (imlTunnel_.empty())
        LoadPictureLists();
}

bool FormMain::LoadSectorPictures() {
    for (int s = 1; s <= kSectorCount; ++s) {
        const std::string letter(1, static_cast<char>('A' + s - 1));
        auto normal = pictures_.Load("Pics/Sector" + letter + "1.jpg");
        if (!normal)
            return false;
        sectorMaps_[static_cast<std::size_t>(s - 1)] = *normal;
        status_->imgSector(s, false)->setPixmap(Pixmap(*normal));
        auto current = pictures_.Load("Pics/Sector" + letter + "2.jpg");
        if (!current)
            return false;
        status_->imgSector(s, true)->setPixmap(Pixmap(*current));
    }
    return true;
}

void FormMain::LoadPictureLists() {
    // A list that stops at a missing file is emptied again, so the next new
    // game tries once more instead of running with half a list.
    auto load = [this](std::vector<QImage>& list, const char* stem, const char* ext, int last,
                       bool transparent) {
        list.clear();
        if (LoadList(list, stem, ext, 1, last, transparent))
            return true;
        list.clear();
        return false;
    };
    if (!load(imlTunnel_, "Pics/tunnel", ".bmp", 4, false) ||
        !load(imlPlanets_, "Planets/planet", ".jpg", 24, false) ||
        !load(imlShips_, "Pics/ship", ".bmp", 12, true) ||
        !load(imlTransport_, "Pics/transport", ".bmp", 10, true)) {
        imlTunnel_.clear();
        return;
    }
    SetPicture(landscape_->imgPowerPack(), "Pics/powerup.bmp", true);
    for (int n = 1; n <= kModuleCount; ++n)
        SetPicture(status_->imgModule(n), "Pics/Module" + std::to_string(n) + ".bmp", true);
    SetPicture(system_->imgSEROShip(), "Pics/Seroship.bmp", true);
}

void FormMain::UpdateSectorThumbnails() {
    for (int s = 1; s <= kSectorCount; ++s) {
        status_->imgSector(s, false)->setVisible(s != world_.CurrentSector);
        status_->imgSector(s, true)->setVisible(s == world_.CurrentSector);
    }
    if (SectorPage(world_.CurrentSector))
        SectorPage(world_.CurrentSector)
            ->setBackground(sectorMaps_[static_cast<std::size_t>(world_.CurrentSector - 1)]);
}

void FormMain::RestoreMapMarkers() {
    for (int s = 1; s <= kSectorCount; ++s)
        SectorPage(s)->RestoreMarkers(world_.Galaxy[s]);
    RestoreArtefactPlaces(world_, rng_);
    UpdateSectorThumbnails();
    RefreshStatus();
    ShowSectorMap(false);
}

void FormMain::LoadContentTables() {
    if (!services_.OpenScript)
        return;
    script_ = services_.OpenScript(services_.ProgramFolder + "LScripts/" + options_.Language);
    if (!script_)
        return;
    if (services_.Translate)
        services_.Translate(this, *script_);
    Status loaded =
        services_.LoadContent ? services_.LoadContent(*script_, world_, tables_, rng_) : Status::Ok();
    // Whatever was read before a faulty entry is shown; the fault is reported.
    city_->SetUpgradeCaptions(tables_.UpgradeTreeCaptions);
    ShowGalaxyName();
    RefreshStatus();
    if (!loaded && services_.ReportProblem)
        services_.ReportProblem(loaded.error().message);
}

void FormMain::ApplyWindowType() {
    background_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    background_->resize(900, 700);
    const bool wasVisible = isVisible();
    if (IsStandardWindow(options_.WindowType)) {
        // A plain fixed-size window: title, minimise and close, no maximise.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        setWindowState(Qt::WindowNoState);
        setFixedSize(1024, 768);
    } else {
        // Full screen on the desktop as it is; the play area sits in the middle.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(1024, 768);
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        // Without a window manager the full-screen state is only a hint: cover the screen ourselves
        // first (setting a geometry afterwards would clear the state again).
        if (const QScreen* display = screen())
            setGeometry(display->geometry());
        setWindowState(Qt::WindowFullScreen);
    }
    CentreInParent(background_);
    top_->PlaceExitButton();
    if (wasVisible)
        show();
}

void FormMain::timMainTimer() {
    const bool startupDue = AdvanceGameClock(world_, startupDone_);
    status_->lblTime()->setText(QString::fromStdString(ClockText(world_.GameSeconds)));
    if (startupDue) {
        btnOptionsClick();
        startupDone_ = true;
        status_->setEnabled(true);
    }
}

void FormMain::timBlinkerTimer() {
    SectorMapView* page = SectorPage(world_.CurrentSector);
    TNewShape* marker = page ? page->marker(world_.CurrentSystem) : nullptr;
    if (!marker)
        return;
    if (marker->brushColor() != QColor(Qt::black)) {
        marker->setTrueColor(marker->brushColor());
        marker->setBrushColor(Qt::black);
    } else {
        marker->setBrushColor(marker->trueColor());
    }
}

void FormMain::btnOptionsClick() {
    const int result = services_.RunOptionsDialog ? services_.RunOptionsDialog(*this) : 0;
    if (result == 1)
        RestoreMapMarkers();
    else if (result == 2)
        NewGame();
    if (world_.AlienModules[1].Sector < 0)
        if (const Status placed = PlaceAlienModules(world_, rng_); !placed && services_.ReportProblem)
            services_.ReportProblem(placed.error().message);
    ApplyWindowType();
    sound_.UpdateBackgroundMusic();
    ShowCaptain();
    ShowGalaxyName();
    LoadContentTables();
    ShowSectorMap(true);
}

void FormMain::btnExitClick() {
    close();
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        const std::string question = Lookup(Script(), texts::AYS);
        // Without a dialog there is nobody to ask; closing then simply goes ahead.
        const bool yes = messages_ ? messages_->ShowMessDlg(question, "", "c") : true;
        if (!yes) {
            event->ignore();
            return;
        }
        closeConfirmed_ = true;
        timBlinker_->stop();
        timMain_->stop();
        timStarFlight_->stop();
        tables_.EventTexts.clear();
        if (services_.ShutdownAudio)
            services_.ShutdownAudio();
    }
    event->accept();
}

void FormMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    backgroundPainter_->Paint(painter, size(), rng_);
}

void FormMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentreInParent(background_);
}

void FormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (contentLoadedOnce_)
        return;
    contentLoadedOnce_ = true;
    city_->trvUpgrade()->expandAll();
    LoadContentTables();
}

} // namespace veltrane
