#pragma once

#include "FormMainServices.h"
#include "PictureLists.h"
#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/World.h"
#include "game/Game.h"
#include "game/Ports.h"
#include "game/Session.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QFrame;
class QTimer;

namespace veltrane {

class BackgroundPainter;
class CommandKeys;
class CityView;
class LandscapeView;
class PictureView;
class PlayAreaScaler;
class QtTimePort;
class SectorMapView;
class StarFlightView;
class SideBar;
class StatusPanel;
class SystemView;
class TitleBar;

// The game's one permanent window. It frames the play area, shows the pages
// of the central area and routes what the player does to the game object as
// commands; the game object owns the game and its sequences.
class FormMain : public QWidget, public IWindowPort {
    Q_OBJECT
  public:
    FormMain(TGameOptions& options, ISoundPort& sound, TFormMainServices services, QWidget* parent = nullptr);
    ~FormMain() override;

    // IWindowPort
    void ShowInfoLine(const std::string& text, TColor colour) override;
    void RefreshStatus() override;
    void ShowPage(TView view) override;
    void PageChanged(TView view) override;
    void ShowFlightEnergy(int gaugeValue) override;
    void ShowScanProgress(int value) override;
    void WorldReplaced(TWorldChange change) override;
    void ContentLoaded() override;
    void ApplyWindowType() override;
    void OptionsDue() override;
    void ShowClock(int seconds) override;

    // Sends a command of the player to the game.
    TCommandReport Post(const TCommand& command);
    TGame& Game() { return *game_; }
    TGameState& World() { return game_->World(); }
    const TGameState& World() const { return game_->World(); }
    TSession& Session() { return game_->Session(); }
    TContentTables& Tables() { return game_->Tables(); }
    // The current language script.
    const ITextSource& Script() const { return game_->Script(); }
    IMessagePort& Messages() { return *messages_; }
    const TFormMainServices& Services() const { return services_; }
    PictureSource& Pictures() { return pictures_; }
    void UpdateSectorThumbnails();

    TView CurrentView() const { return game_->Session().CurrentView; }
    SectorMapView* SectorPage(int sector) const;
    SystemView* SystemPage() const { return system_; }
    StatusPanel* StatusArea() const { return status_; }
    CityView* CityPage() const { return city_; }
    LandscapeView* LandscapePage() const { return landscape_; }
    QFrame* Background() const { return background_; }
    PlayAreaScaler& Scaler() const { return *scaler_; }
    bool StartupStepDone() const { return game_->Session().StartupStepDone; }

    // The picture lists of the first new game of a run whose sector pictures
    // loaded; they come right after the first frame or when first asked for.
    const std::vector<QImage>& imlTunnel();
    const std::vector<QImage>& imlPlanets();
    const std::vector<QImage>& imlShips();
    const std::vector<QImage>& imlTransport();
    std::vector<QImage>& imlArtefacts() { return lists_.Artefacts; }
    const std::vector<QImage>& imlEquipment() const { return lists_.Equipment; }
    const std::vector<QImage>& imlStatus() const { return lists_.Status; }
    int BackgroundTilesDecoded() const;

  public slots:
    void timMainTimer();
    void timStarFlightTimer();
    void timBlinkerTimer();
    void btnNavigatorClick();
    void btnSectorClick();
    void VisitHeadquarterDialog();
    void btnOptionsClick(TOptionsPage page = TOptionsPage::Settings);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The frames the scaling view draws, as the window's own.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildFrame();
    void BuildPages();
    void WireCommands();
    void LoadDesignPictures();
    void LoadPictureLists();
    // Nothing of these lists shows in the first frame, so they wait for it.
    void EnsurePictureLists();
    // Opens the audio device once; the first frame does not wait for it.
    void StartAudio();
    // After a frame: what waits for the first one (audio, the picture lists) comes next.
    void FramePainted();
    void SetPicture(QWidget* label, const std::string& relative, bool transparent = false);
    void ShowCaptain();
    void ShowGalaxyName();
    void FillLists();
    QWidget* Page(TView view) const;
    std::unique_ptr<TGame> MakeGame();

    TGameOptions& options_;
    // Star field, background tiles and passing ships: never the game's generator,
    // so a seeded game plays the same however often the window paints.
    TRandom cosmetic_;
    ISoundPort& sound_;
    TFormMainServices services_;
    PictureSource pictures_;
    std::unique_ptr<BackgroundPainter> backgroundPainter_;

    std::unique_ptr<IMessagePort> messages_;
    std::unique_ptr<QtTimePort> qtTime_;
    ITimePort* time_ = nullptr;
    std::unique_ptr<TGame> game_;

    QFrame* background_ = nullptr;
    TitleBar* top_ = nullptr;
    SideBar* storageBar_ = nullptr;
    SideBar* energyBar_ = nullptr;
    StatusPanel* status_ = nullptr;
    QFrame* main_ = nullptr;
    std::array<SectorMapView*, kSectorCount> sectors_{};
    std::array<QWidget*, std::size(kAllViews)> pages_{};
    SystemView* system_ = nullptr;
    LandscapeView* landscape_ = nullptr;
    CityView* city_ = nullptr;
    StarFlightView* starFlight_ = nullptr;
    PictureView* tunnel_ = nullptr;
    CommandKeys* keys_ = nullptr;
    PlayAreaScaler* scaler_ = nullptr;

    QTimer* timMain_ = nullptr;
    QTimer* timStarFlight_ = nullptr;
    QTimer* timBlinker_ = nullptr;

    PictureLists lists_{pictures_};

    QSize desktopSize_;
    int tunnelFrame_ = 0;
    bool contentLoadedOnce_ = false;
    bool listsDue_ = false;
    bool audioStarted_ = false;
    bool closeConfirmed_ = false;
};

} // namespace veltrane
