#pragma once

#include "game/Game.h"
#include "lang/TextSource.h"
#include "persist/GameList.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace veltrane {

// The options dialog's page "Saved games": the list of saved games and the
// buttons that save, load and delete them, start a new game or close.
class SavedGamesPage : public QWidget {
    Q_OBJECT
  public:
    using TAskName = std::function<std::optional<std::string>(
        const std::string& title, const std::string& prompt, const std::string& proposal)>;
    // `texts` gives the dialog's current script (the language may change
    // while the dialog is open).
    SavedGamesPage(TGame& game, std::string userFolder, std::function<const ITextSource&()> texts,
                   TAskName askName, std::function<void()> click, QWidget* parent = nullptr);

    // Rebuilds the rows from the games folder; no folder gives no rows.
    void Refresh();
    // The rows as shown, in list order.
    const std::vector<TGameListRow>& Rows() const { return rows_; }

    // The player's actions, as the buttons run them.
    void btnSaveGameClick();
    void btnLoadGameClick();
    void btnDelGameClick();

    QTreeWidget* lvwGameList() const { return list_; }
    QProgressBar* prgProgress() const { return progress_; }
    QPushButton* btnSaveGame() const { return save_; }
    QPushButton* btnLoadGame() const { return load_; }
    QPushButton* btnDelGame() const { return delete_; }
    QPushButton* btnNewGame() const { return newGame_; }
    QPushButton* btnExit() const { return exit_; }

  signals:
    // What the dialog shows of the captain must reach the game before it is saved.
    void aboutToSave();
    // A game was read and now is the world.
    void gameLoaded();
    void newGameClicked();
    void exitClicked();

  private:
    // The selected row, if any.
    const TGameListRow* Selected() const;
    void Inform(const std::string& text);

    TGame& game_;
    std::string userFolder_;
    std::function<const ITextSource&()> texts_;
    TAskName askName_;
    std::function<void()> click_;
    std::vector<TGameListRow> rows_;

    QTreeWidget* list_;
    QProgressBar* progress_;
    QPushButton* save_;
    QPushButton* load_;
    QPushButton* delete_;
    QPushButton* newGame_;
    QPushButton* exit_;
};

} // namespace veltrane
