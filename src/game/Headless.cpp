#include "Headless.h"

#include "lang/Format.h"

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

bool THeadlessMessages::ShowMessDlg(const std::string& text, const std::string&, TMessageKind) {
    Shown.push_back(text);
    return Answer;
}

void THeadlessMessages::ShowIncomingMessage(const std::string& format, int value) {
    auto text = Format(format, {std::int64_t{value}});
    Shown.push_back(text ? *text : format);
}

void THeadlessMessages::ShowDirectionMessage(const std::string& text, std::optional<int> arrow) {
    Shown.push_back(text);
    Arrows.push_back(arrow);
}

std::function<std::uint64_t()> SeedSequence(std::uint64_t first) {
    return [next = first]() mutable { return next++; };
}

TGameSetup THeadlessGame::Complete(TGameSetup setup, std::uint64_t seed,
                                   const std::shared_ptr<const ITextSource>& script) {
    if (!setup.NextSeed)
        setup.NextSeed = SeedSequence(seed);
    if (!setup.OpenScript)
        setup.OpenScript = [script](const std::string&) { return script; };
    return setup;
}

THeadlessGame::THeadlessGame(std::uint64_t seed, std::shared_ptr<const ITextSource> script, TGameSetup setup)
    : script_(script ? std::move(script) : std::make_shared<TNoScript>()),
      game_(options_, TGamePorts{Window, Messages, Sound, Clock}, Complete(std::move(setup), seed, script_)) {
    // Tests, bots and replays see the rules' own info lines; the tool switches hints on when asked.
    options_.Hints = false;
}

Status THeadlessGame::NewGame() {
    Status made = game_.Start();
    game_.Session().StartupStepDone = true;
    return made;
}

bool THeadlessGame::FinishPassage(int maxTicks) {
    for (int i = 0; i < maxTicks && game_.Session().InFlight(); ++i)
        game_.Tick();
    return !game_.Session().InFlight();
}

} // namespace veltrane
