#pragma once

// The small doors through which the rules talk to the window. The window
// implements them; tests replace them with recording fakes.

#include "core/World.h"

#include <string>

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

// Feedback line, status display and the one visible view of the main window.
class IWindowPort {
public:
    virtual ~IWindowPort() = default;
    // White informs, red refuses (with "bad.wav"), green congratulates (with "good.wav").
    virtual void ShowInfoLine(const std::string& text, TColor colour) = 0;
    virtual void RefreshStatus() = 0;
    virtual void ShowView(TView view) = 0;
};

// The translated message dialogs and the incoming-message window.
class IMessagePort {
public:
    virtual ~IMessagePort() = default;
    // Kind "c" asks Yes/No (true for Yes); "i" informs; "w" warns. A kind text
    // longer than one letter does not wait and answers true.
    virtual bool ShowMessDlg(const std::string& text, const std::string& caption, const std::string& kind) = 0;
    // `format` carries one integer placeholder, filled with `value`.
    virtual void ShowIncomingMessage(const std::string& format, int value) = 0;
    virtual void ShowInfoMessage(const std::string& text) = 0;
    // target 'A': towards the ordered artefact of this sector; 'M': towards its alien module.
    virtual void ShowDirectionMessage(const std::string& text, char target) = 0;
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

} // namespace veltrane
