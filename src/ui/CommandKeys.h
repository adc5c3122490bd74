#pragma once

#include "game/Game.h"
#include "game/MapSelection.h"

#include <QObject>

#include <functional>
#include <utility>
#include <vector>

class QPushButton;
class QShortcut;
class QWidget;

namespace veltrane {

class SectorMapView;

// The main window's keys: one per command button (the button's hint names
// it), Ctrl+S for the saved games, F1 for the guide, and on the sector map the
// arrows that move a selection from system to system with Enter to fly there.
class CommandKeys : public QObject {
    Q_OBJECT
  public:
    // A command key with the button it presses.
    struct TKey {
        QPushButton* Button;
        const char* Keys; // a QKeySequence text, "F2; Ctrl+O" for two
    };

    CommandKeys(QWidget& window, TGame& game, std::vector<TKey> commands,
                const std::vector<SectorMapView*>& maps, std::function<void()> save);

    // Appends the keys to the buttons' hints; called again after every
    // translation, which puts back the hints without them.
    void AppendHints();
    // The arrows and Enter belong to the map only while a map is shown.
    void SetMapShown(bool shown);

  private:
    // The keyboard's selected system: the last one pressed or chosen in this
    // sector, else where the ship is.
    int Selected() const;
    void Move(TArrow arrow);

    TGame& game_;
    std::vector<TKey> commands_;
    std::vector<QShortcut*> mapKeys_;
    std::pair<int, int> selected_{0, 0}; // sector, system
};

} // namespace veltrane
