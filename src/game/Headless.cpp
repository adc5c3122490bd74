#include "Headless.h"

#include "core/Galaxy.h"
#include "game/Lifecycle.h"
#include "game/UpgradeShop.h"
#include "game/Views.h"
#include "lang/Format.h"
#include "persist/SavedGame.h"

namespace veltrane {

namespace {

// Stands in when there is no script: every lookup finds nothing.
class TNoScript : public ITextSource {
  public:
    std::optional<std::string> Lookup(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
};

} // namespace

void THeadlessWindow::ShowInfoLine(const std::string& text, TColor colour) {
    InfoText = text;
    InfoColour = colour;
}

bool THeadlessMessages::ShowMessDlg(const std::string& text, const std::string&, const std::string&) {
    Shown.push_back(text);
    return Answer;
}

void THeadlessMessages::ShowIncomingMessage(const std::string& format, int value) {
    auto text = Format(format, {std::int64_t{value}});
    Shown.push_back(text ? *text : format);
}

void THeadlessMessages::ShowDirectionMessage(const std::string& text, char) {
    Shown.push_back(text);
}

std::string THeadlessMessages::ShowChoiceDlg(const std::string& text, const std::vector<std::string>& items) {
    Shown.push_back(text);
    if (!Choice.empty())
        return Choice;
    return items.empty() ? std::string() : items.front();
}

THeadlessGame::THeadlessGame(std::uint64_t seed, std::shared_ptr<const ITextSource> script)
    : script_(script ? std::move(script) : std::make_shared<TNoScript>()),
      rng_(seed), ctx_{session_, tables_, *script_, rng_, Window, Messages, Sound, Clock, options_} {
    ctx_.AutosaveNow = [this] {
        ++Autosaves;
        if (AutosaveUserFolder.empty())
            return;
        if (const Status saved = Autosave(session_.World, AutosaveUserFolder); !saved)
            Messages.Shown.push_back(saved.error().message);
    };
}

Status THeadlessGame::NewGame() {
    ResetViewState(session_);
    session_.StartupStepDone = true;
    SetUpgradeTexts(session_, tables_.UpgradeTreeCaptions);
    if (Status made = StartNewGame(session_.World, tables_, rng_, TMapGeometry{817, 450, 0, 0}); !made)
        return made;
    ShowSectorMap(ctx_, false);
    return Status::Ok();
}

TTickResult THeadlessGame::Tick() {
    TTickResult result = MainTick(ctx_);
    if (result.StartupDue)
        session_.StartupStepDone = true;
    return result;
}

bool THeadlessGame::FinishPassage(int maxTicks) {
    for (int i = 0; i < maxTicks && session_.InFlight(); ++i)
        Tick();
    return !session_.InFlight();
}

} // namespace veltrane
