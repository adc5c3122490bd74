#pragma once

// What the main window needs from the rest of the program, handed in so the
// program wires the real pieces and the tests wire fakes.

#include "PictureSource.h"
#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"
#include "game/Ports.h"
#include "lang/TextSource.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace veltrane {

class FormMain;

// The page the options dialog opens on.
enum class TOptionsPage { Settings, SavedGames };

// What happened while the options dialog was open.
enum class TOptionsResult { Nothing, Loaded, NewGame };

struct TFormMainServices {
    // The per-user folder (settings and saved games), with a trailing "/".
    std::string UserFolder;
    // Read-only content beside the program, with a trailing "/".
    std::string ProgramFolder;
    TPictureFileLoader LoadPicture;
    // Optional: thumbnails decoded small; without it they are scaled from LoadPicture's pictures.
    TThumbnailFileLoader LoadThumbnail;
    // Technical failures: a plain message box in the game.
    TProblemReporter ReportProblem;
    // A language script by its full path.
    std::function<std::shared_ptr<const ITextSource>(const std::string& path)> OpenScript;
    std::function<Status(const ITextSource&, TGameState&, TContentTables&, TRandom&)> LoadContent;
    std::function<void(QWidget* form, const ITextSource& script)> Translate;
    std::function<std::unique_ptr<IMessagePort>(FormMain& window)> MakeMessagePort;
    // The click of dialog buttons, sounding whatever the options say.
    std::function<void()> PlatformClick;
    std::function<void()> InitAudio;
    std::function<void()> ShutdownAudio;
    // A list to choose from (the sector dialog): the item chosen, or "" for none.
    // Nothing means the game's own choice dialog.
    std::function<std::string(const std::string& text, const std::vector<std::string>& items)> AskChoice;
    // Shows the options dialog on `page`; the game runs what follows it.
    std::function<TOptionsResult(FormMain& window, TOptionsPage page)> RunOptionsDialog;
    // Time for the rules; nothing means the window's own timers. Tests hand in
    // a manual clock and drive the ticks themselves.
    ITimePort* Time = nullptr;
    // Seed of the window's own generator for pictures-only randomness; nothing
    // means the clock.
    std::optional<std::uint64_t> CosmeticSeed;
    // Seeds of the games of this run; nothing means the clock.
    std::optional<std::uint64_t> Seed;
    // Where the journal of the running game is kept; empty: in memory only.
    std::string JournalFile;
};

} // namespace veltrane
