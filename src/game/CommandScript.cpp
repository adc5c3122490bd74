#include "CommandScript.h"

#include "game/Course.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"

#include <charconv>
#include <sstream>

namespace veltrane {

namespace {

struct TCommandShape {
    const char* Name;
    int Args;
};

constexpr TCommandShape kCommands[] = {
    {"select", 1}, {"fly", 1},  {"map", 0},    {"system", 0}, {"scan", 0}, {"land", 1},
    {"pickup", 0}, {"pack", 0}, {"module", 0}, {"leave", 0},  {"filter", 1}, {"wait", 1},
};

// The longest wait one command may ask for: a day of game time.
constexpr int kMaxWait = 86400;

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

} // namespace

const char* TCommandScript::Help() {
    return "select K | fly K | map | system | scan | land P | pickup | pack | module | leave | filter M | wait S";
}

Result<std::vector<std::string>> TCommandScript::Execute(std::string_view rawLine) {
    std::string line = Trim(rawLine.substr(0, rawLine.find('#')));
    if (line.empty())
        return std::vector<std::string>{};
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::vector<int> args;
    std::string word;
    while (words >> word) {
        int value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc{} || end != word.data() + word.size())
            return Error{"\"" + word + "\" is not a whole number in \"" + line + "\""};
        args.push_back(value);
    }
    const TCommandShape* shape = nullptr;
    for (const TCommandShape& c : kCommands)
        if (command == c.Name)
            shape = &c;
    if (!shape)
        return Error{"unknown command \"" + command + "\" (commands: " + Help() + ")"};
    if (static_cast<int>(args.size()) != shape->Args)
        return Error{"\"" + command + "\" takes " + std::to_string(shape->Args) + " number(s)"};
    if ((command == "select" || command == "fly") && (args[0] < 1 || args[0] > kSystemsPerSector))
        return Error{"system numbers run from 1 to 150"};
    if (command == "wait" && (args[0] < 0 || args[0] > kMaxWait))
        return Error{"wait takes 0 to 86400 seconds"};

    const std::size_t messagesBefore = game_.Messages.Shown.size();
    bool known = true;
    const TOutcome outcome = Run(command, args, known);
    std::vector<std::string> out;
    out.push_back((outcome.Done ? "ok: " : "refused: ") + game_.Window.InfoText);
    for (std::size_t i = messagesBefore; i < game_.Messages.Shown.size(); ++i)
        out.push_back("message: " + game_.Messages.Shown[i]);
    return out;
}

TOutcome TCommandScript::Run(const std::string& command, const std::vector<int>& args, bool& known) {
    TContext& ctx = game_.Ctx();
    const TView view = game_.Session().CurrentView;
    // What a player can click depends on the page shown.
    const bool onMap = IsSectorView(view);
    if (command == "select")
        return onMap ? SelectSystem(ctx, args[0]) : TOutcome::Refused({});
    if (command == "fly") {
        if (!onMap)
            return TOutcome::Refused({});
        SelectSystem(ctx, args[0]);
        TOutcome outcome = FlyToSystem(ctx, args[0]);
        if (outcome)
            game_.FinishPassage();
        return outcome;
    }
    if (command == "map") {
        ShowSectorMap(ctx, true);
        return TOutcome::Ok();
    }
    if (command == "system") {
        ctx.Sound.PlayButtonSound();
        ShowSystemView(ctx);
        return TOutcome::Ok();
    }
    if (command == "scan")
        return view == TView::System ? ScanSystem(ctx) : TOutcome::Refused({});
    if (command == "land")
        return view == TView::System ? LandOnPlanet(ctx, args[0]) : TOutcome::Refused({});
    const bool onSurface = view == TView::Landscape;
    if (command == "pickup")
        return onSurface ? PickUpArtefact(ctx) : TOutcome::Refused({});
    if (command == "pack")
        return onSurface ? TakePowerPack(ctx) : TOutcome::Refused({});
    if (command == "module")
        return onSurface ? TakeAlienModule(ctx) : TOutcome::Refused({});
    if (command == "leave")
        return onSurface ? LeaveSurface(ctx) : TOutcome::Refused({});
    if (command == "filter")
        return ToggleModuleFilter(ctx, args[0]);
    if (command == "wait") {
        for (int i = 0; i < args[0]; ++i)
            if (game_.Clock.TimerRunning(TTimer::Main))
                game_.Tick();
        return TOutcome::Ok();
    }
    known = false;
    return TOutcome::Refused({});
}

} // namespace veltrane
