#include "ExitAfterFirstPaint.h"
#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/Lifecycle.h"
#include "game/SoundPlayer.h"
#include "persist/Settings.h"
#include "sound/SdlAudio.h"
#include "ui/FormMain.h"
#include "ui/GameServices.h"
#include "ui/GuardedApplication.h"
#include "ui/MetalStyle.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdlib>

int main(int argc, char** argv) {
    using namespace veltrane;
    TGuardedApplication app(argc, argv, ShowPlainMessage);
    QApplication::setApplicationName("Veltrane");
    InstallMetalStyle(app);

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        ShowPlainMessage("SHGetPathFromIDList failed : invalid pidl");
        return 1;
    }
    const std::string userFolder = UserFolderFromDocuments(documents.toStdString());
    if (Status made = EnsureUserFolder(userFolder); !made)
        ShowPlainMessage(made.error().message); // the game still runs; only saving will fail
    TGameOptions options = LoadSettings(userFolder);

    SdlAudio audio;
    TSoundPlayer sound(audio, options, ShowPlainMessage);

    TFormMainServices services = DefaultFormMainServices([&sound] { sound.PlatformClick(); });
    services.UserFolder = userFolder;
    // Beside the autosave: a bug report carries it, and it replays the game.
    services.JournalFile = userFolder + "Games/journal.txt";
    services.InitAudio = [&sound] { sound.InitAudio(); };
    services.ShutdownAudio = [&sound] { sound.Shutdown(); };
    FormMain window(options, sound, std::move(services));
    ExitAfterFirstPaint exitAfterPaint;
    if (ExitAfterFirstPaint::Wanted(argc, argv))
        app.installEventFilter(&exitAfterPaint); // the window, or the view that scales it
    window.show();
    return QApplication::exec();
}
