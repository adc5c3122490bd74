#pragma once

// The small doors through which the rules talk to the window. The window
// implements them with Qt; tests, bots and the command-line player use the
// recording fakes of game/Headless.h.

#include "core/World.h"

#include <optional>
#include <string>
#include <vector>

namespace veltrane {

enum class TView {
    Sector1,
    Sector2,
    Sector3,
    Sector4,
    System,
    Landscape,
    City,
    StarFlight,
    Tunnel,
};

inline constexpr TView kAllViews[] = {TView::Sector1, TView::Sector2,    TView::Sector3,
                                      TView::Sector4, TView::System,     TView::Landscape,
                                      TView::City,    TView::StarFlight, TView::Tunnel};

inline bool IsSectorView(TView view) {
    return view == TView::Sector1 || view == TView::Sector2 || view == TView::Sector3 ||
           view == TView::Sector4;
}

inline TView SectorView(int sector) {
    return static_cast<TView>(static_cast<int>(TView::Sector1) +
                              (sector >= 1 && sector <= 4 ? sector - 1 : 0));
}

// What replaced the world in place.
enum class TWorldChange { NewGame, Loaded };

// Feedback line, status display and the pages of the main window.
class IWindowPort {
  public:
    virtual ~IWindowPort() = default;
    // White informs, red refuses, green congratulates; the rules play the sound that goes with it.
    virtual void ShowInfoLine(const std::string& text, TColor colour) = 0;
    virtual void RefreshStatus() = 0;
    // Makes `view` the one visible page; the rules have decided everything else.
    virtual void ShowPage(TView view) = 0;
    // What a page shows changed in the session: draw it again from there.
    virtual void PageChanged(TView view) = 0;
    // The energy gauge during a flight, before the captain's energy is settled.
    virtual void ShowFlightEnergy(int gaugeValue) = 0;
    // The scanner gauge, 0..100.
    virtual void ShowScanProgress(int value) = 0;
    // A new or loaded game replaced the world: markers, thumbnails and labels anew.
    virtual void WorldReplaced(TWorldChange) {}
    // The language script was read again: texts of the window anew.
    virtual void ContentLoaded() {}
    // The window type of the settings may have changed.
    virtual void ApplyWindowType() {}
    // The start-up step: the options dialog is due once, when nothing else runs.
    virtual void OptionsDue() {}
    // The game clock after a tick.
    virtual void ShowClock(int /*seconds*/) {}
};

// A question waits for Yes or No; the other two only tell.
enum class TMessageKind { Confirm, Info, Warning };

// The translated message dialogs and the incoming-message window.
class IMessagePort {
  public:
    virtual ~IMessagePort() = default;
    // A confirmation answers true for Yes; the others answer true.
    virtual bool ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) = 0;
    // `format` carries one integer placeholder, filled with `value`.
    virtual void ShowIncomingMessage(const std::string& format, int value) = 0;
    virtual void ShowInfoMessage(const std::string& text) = 0;
    // `arrow`: the direction picture 1..8 the rules worked out, or none.
    virtual void ShowDirectionMessage(const std::string& text, std::optional<int> arrow) = 0;
};

// Sound as the rules ask for it.
class ISoundPort {
  public:
    virtual ~ISoundPort() = default;
    // An empty name only stops the effect that plays.
    virtual void PlaySoundEffect(const std::string& fileName) = 0;
    virtual void PlayButtonSound() = 0;
    virtual void UpdateBackgroundMusic() = 0;
};

// The main window's three timers.
enum class TTimer {
    Main,       // 1 s: clock, flight progress, tunnel end
    StarFlight, // 20 ms: star field, tunnel frames, passing ships
    Blinker,    // 300 ms: the blinking marker of the current system
};

// Time as the rules see it. The window runs real timers; tests and bots run a
// manual clock that returns from every wait at once.
class ITimePort {
  public:
    virtual ~ITimePort() = default;
    virtual void StartTimer(TTimer timer) = 0;
    virtual void StopTimer(TTimer timer) = 0;
    virtual bool TimerRunning(TTimer timer) const = 0;
    // Waits while the window stays live: painting, timer ticks and clicks are
    // handled meanwhile (the scanner animation).
    virtual void LiveWait(int milliseconds) = 0;
    // Waits with the window blocked (the refuelling animation).
    virtual void BlockingWait(int milliseconds) = 0;
};

} // namespace veltrane
