#include "GameServices.h"

#include "FormMain.h"
#include "FormOptions.h"
#include "Pictures.h"
#include "QtMessagePort.h"
#include "SavedGamesPage.h"
#include "TranslateForm.h"
#include "VersionCheck.h"
#include "core/MediaPaths.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"

#include <QPushButton>
#include <QTabWidget>

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <cstdio>

namespace veltrane {

void ShowPlainMessage(const std::string& text) {
    // The box is for the player; the same line on the error stream lets a start-up
    // check (or a bug report) tell what went wrong without a screen.
    std::fprintf(stderr, "veltrane: %s\n", text.c_str());
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

TFormMainServices DefaultFormMainServices(std::function<void()> platformClick) {
    TFormMainServices s;
    s.ProgramFolder = ProgramFolder();
    s.LoadPicture = [](const std::string& relative, bool transparent) {
        return LoadPicture(relative, transparent ? TTransparency::Fuchsia : TTransparency::Opaque);
    };
    s.LoadThumbnail = [](const std::string& relative, QSize size) { return LoadThumbnail(relative, size); };
    s.ReportProblem = ShowPlainMessage;
    s.OpenScript = [](const std::string& path) -> std::shared_ptr<const ITextSource> {
        // The lookups that do not go through a text source read this one too.
        SetLanguageFile(path);
        return std::make_shared<TScriptFile>(path);
    };
    s.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& rng) {
        return LoadContentTables(script, world, tables, rng);
    };
    s.Translate = [](QWidget* form, const ITextSource& script) { TranslateForm(form, script); };
    s.PlatformClick = platformClick;
    s.RunOptionsDialog = [](FormMain& window, TOptionsPage page) -> TOptionsResult {
        TOptionsServices o;
        o.UserFolder = window.Services().UserFolder;
        o.ProgramFolder = window.Services().ProgramFolder;
        o.Translate = window.Services().Translate;
        o.Click = window.Services().PlatformClick;
        o.LoadPicture = [&window](const std::string& relative, bool transparent) {
            return window.Pictures().Load(relative, transparent);
        };
        o.OpenUrl = [](const std::string& url) {
            QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
        };
        o.CheckVersion = [&window](const ITextSource& script) {
            CheckVersion({script, window.Messages(), window.Game().Options().UpdateHost, kOwnVersion});
        };
        FormOptions dialog(window.Game(), std::move(o), &window);
        if (page == TOptionsPage::SavedGames) {
            // Enter then saves: the list's save button has the focus.
            dialog.pgcOptions()->setCurrentWidget(dialog.tabGameList());
            dialog.tabGameList()->btnSaveGame()->setFocus();
        }
        return dialog.Run();
    };
    s.MakeMessagePort = [click =
                             std::move(platformClick)](FormMain& window) -> std::unique_ptr<IMessagePort> {
        auto loader = [](const QString& relative) {
            Result<QImage> picture = LoadPicture(relative.toStdString());
            return picture ? *picture : QImage();
        };
        return std::make_unique<QtMessagePort>(
            &window, [&window]() -> TDlgCaptions& { return window.Tables().DlgCaptions; },
            [&window]() -> const ITextSource& { return window.Script(); }, loader, click);
    };
    return s;
}

} // namespace veltrane
