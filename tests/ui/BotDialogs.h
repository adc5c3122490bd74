#pragma once

// Answers the window's real modal dialogs as a player would, by clicking
// their buttons: the options dialog starts the game, message windows are
// confirmed, the sector choice picks the sector the bot wants and the
// headquarter's question about a new game is answered with yes. It watches
// the application for dialogs being shown, so nothing polls and nothing waits
// on a timer.

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QDialog;

namespace veltrane::test {

class BotDialogs : public QObject {
  public:
    BotDialogs();
    ~BotDialogs() override;
    BotDialogs(const BotDialogs&) = delete;
    BotDialogs& operator=(const BotDialogs&) = delete;

    // The sector the next choice answers with.
    int WantedSector = 1;
    // The headquarter's question after the fourth artefact, as the script words it.
    std::string NewGameQuestion;
    bool NewGameOffered = false;
    // Called when that question shows, before it is answered.
    std::function<void()> BeforeNewGame;
    // What the dialogs said, oldest first; unknown dialogs are closed and named here.
    std::vector<std::string> Said;
    int Answered = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Answer(QDialog* dialog);
};

} // namespace veltrane::test
