#pragma once

#include "FormMainServices.h"
#include "game/Game.h"
#include "lang/TextSource.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTabWidget;

namespace veltrane {

class GuideOptions;
class SavedGamesPage;
class TRadioGroup;

// What the options dialog needs from the program, handed in so the program
// wires the real pieces and the tests wire fakes. Empty functions do nothing,
// except where a default is named.
struct TOptionsServices {
    // The per-user folder (settings file and the "Games" folder), with a trailing "/".
    std::string UserFolder;
    // Read-only content beside the program ("Pics", "LScripts"), with a trailing "/".
    std::string ProgramFolder;
    // A picture relative to the program folder; with `transparent`, fuchsia
    // pixels become see-through. Nothing when it cannot be had.
    std::function<std::optional<QImage>(const std::string& relative, bool transparent)> LoadPicture;
    // Translates a window from the given script. Default: TranslateForm with
    // its plain message box on a faulty script.
    std::function<void(QWidget* form, const ITextSource& script)> Translate;
    // Opens a link in the user's programs (web page, "mailto:" address).
    std::function<void(const std::string& url)> OpenUrl;
    // The online check for the latest version, speaking the dialog's language.
    std::function<void(const ITextSource& script)> CheckVersion;
    // Asks the name of a game to save, proposing `proposal`; nothing when the
    // player cancels. Default: a text-input box.
    std::function<std::optional<std::string>(const std::string& title, const std::string& prompt,
                                             const std::string& proposal)>
        AskName;
    // The click of the dialog's buttons.
    std::function<void()> Click;
};

// Where the information page's links lead. The game has no homepage, mail address or
// donation page of its own yet; a link whose address is empty stays hidden.
inline constexpr const char* kHomepageUrl = "";
inline constexpr const char* kMailAddress = "";
inline constexpr const char* kDonationUrl = "";

// The options dialog: the president's welcome, the captain's name and
// portrait, sound, random events, language, window type and scaling; the saved games;
// and the information page. The game clock stands still while it is open.
// What changes the game goes to it as commands: saving, loading and deleting
// games, a new game, and on closing the captain, the rarity of events and the
// language. Every way of closing writes the settings.
class FormOptions : public QDialog {
    Q_OBJECT
  public:
    FormOptions(TGame& game, TOptionsServices services, QWidget* parent = nullptr);
    ~FormOptions() override;

    // Shows the dialog modally, centred on the screen; what happened meanwhile.
    TOptionsResult Run();
    TOptionsResult ResultMark() const { return resultMark_; }

    QTabWidget* pgcOptions() const { return pages_; }
    QWidget* tabSettings() const { return tabSettings_; }
    QWidget* tabInfo() const { return tabInfo_; }
    SavedGamesPage* tabGameList() const { return savedGames_; }
    QPlainTextEdit* memPresident() const { return president_; }
    QLabel* imgCaptain() const { return captainPicture_; }
    QSpinBox* updCaptain() const { return captainIndex_; }
    QLineEdit* edtCaptainName() const { return captainName_; }
    QCheckBox* chbBgSound() const { return bgSound_; }
    QCheckBox* chbSoundEffects() const { return effects_; }
    QScrollBar* scbRandomEvents() const { return randomEvents_; }
    QListWidget* lbxLanguage() const { return languages_; }
    TRadioGroup* rbxWindowType() const { return windowType_; }
    QComboBox* cbxScaling() const { return scaling_; }
    QPushButton* btnStart() const { return start_; }
    QPushButton* btnCheckVersion() const { return checkVersion_; }
    GuideOptions* Guide() const { return guide_; }

    void done(int r) override;

  private:
    void BuildSettingsPage();
    void BuildInfoPage();
    void updCaptainClick(int position);
    void lbxLanguageClick();
    void FillLanguages();
    // Makes the `Language` setting the current script and translates the
    // dialog with it; the welcome text follows.
    void ApplyLanguage();
    // The captain, the switches and the language as the world and settings hold them.
    void ShowState();
    void GameLoaded();
    // The captain as the dialog shows it, into the game before anything reads or replaces it.
    void HandOverCaptain();

    TGame& game_;
    TGameOptions& options_;
    TOptionsServices services_;
    std::unique_ptr<ITextSource> script_;
    TOptionsResult resultMark_ = TOptionsResult::Nothing;
    bool closed_ = false;

    QTabWidget* pages_;
    QWidget* tabSettings_;
    QWidget* tabInfo_;
    SavedGamesPage* savedGames_;
    QPlainTextEdit* president_;
    QLabel* captainPicture_;
    QSpinBox* captainIndex_;
    QLineEdit* captainName_;
    QCheckBox* bgSound_;
    QCheckBox* effects_;
    QScrollBar* randomEvents_;
    QListWidget* languages_;
    TRadioGroup* windowType_;
    QComboBox* scaling_;
    QPushButton* start_;
    QPushButton* checkVersion_;
    GuideOptions* guide_ = nullptr;
};

} // namespace veltrane
