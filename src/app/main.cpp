#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/Lifecycle.h"
#include "game/SoundPlayer.h"
#include "persist/Settings.h"
#include "sound/SdlAudio.h"
#include "ui/FormMain.h"
#include "ui/GameServices.h"
#include "ui/GuardedApplication.h"

#include <QApplication>
#include <QEvent>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

// "--exit-after-first-paint" ends the program as soon as its window has painted
// once: start-up time can then be measured from the outside, process and all.
class ExitAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !leaving_) {
            leaving_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool leaving_ = false;
};

bool HasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace veltrane;
    TGuardedApplication app(argc, argv, ShowPlainMessage);
    QApplication::setApplicationName("Veltrane");

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        ShowPlainMessage("SHGetPathFromIDList failed : invalid pidl");
        return 1;
    }
    const std::string userFolder = UserFolderFromDocuments(documents.toStdString());
    if (Status made = EnsureUserFolder(userFolder); !made)
        ShowPlainMessage(made.error().message); // the game still runs; only saving will fail
    TGameOptions options = LoadSettings(userFolder);

    TRandom rng; // seeded from the clock
    SdlAudio audio;
    TSoundPlayer sound(audio, options, ShowPlainMessage);

    TFormMainServices services = DefaultFormMainServices([&sound] { sound.PlatformClick(); });
    services.UserFolder = userFolder;
    services.InitAudio = [&sound] { sound.InitAudio(); };
    services.ShutdownAudio = [&sound] { sound.Shutdown(); };
    FormMain window(options, rng, sound, std::move(services));
    ExitAfterFirstPaint exitAfterPaint;
    if (HasArgument(argc, argv, "--exit-after-first-paint"))
        window.installEventFilter(&exitAfterPaint);
    window.show();
    return QApplication::exec();
}
