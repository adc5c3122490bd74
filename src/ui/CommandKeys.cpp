#include "CommandKeys.h"

#include "FormGuide.h"
#include "SectorMapView.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace veltrane {

namespace {

QString HintSuffix(const char* keys) {
    QStringList names;
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(keys)))
        names << key.toString(QKeySequence::NativeText);
    return " (" + names.join(" / ") + ")";
}

} // namespace

CommandKeys::CommandKeys(QWidget& window, TGame& game, std::vector<TKey> commands,
                         const std::vector<SectorMapView*>& maps, std::function<void()> save)
    : QObject(&window), game_(game), commands_(std::move(commands)) {
    // A key does what a click does, and nothing where the button could not be clicked.
    for (const TKey& command : commands_)
        for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(command.Keys))) {
            QPushButton* button = command.Button;
            connect(new QShortcut(key, &window), &QShortcut::activated, button, [button] {
                if (button->isEnabled() && button->isVisible())
                    button->click();
            });
        }
    connect(new QShortcut(QKeySequence::Save, &window), &QShortcut::activated, this, std::move(save));
    // F1: how to play. It only looks; the game goes on as it was when it closes.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), &window), &QShortcut::activated, this, [this, &window] {
        FormGuide guide(game_, {}, &window);
        guide.Run();
    });

    const std::pair<Qt::Key, TArrow> arrows[] = {{Qt::Key_Left, TArrow::Left},
                                                 {Qt::Key_Right, TArrow::Right},
                                                 {Qt::Key_Up, TArrow::Up},
                                                 {Qt::Key_Down, TArrow::Down}};
    for (const auto& [key, arrow] : arrows) {
        mapKeys_.push_back(new QShortcut(QKeySequence(key), &window));
        connect(mapKeys_.back(), &QShortcut::activated, this, [this, arrow] { Move(arrow); });
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        mapKeys_.push_back(new QShortcut(QKeySequence(key), &window));
        connect(mapKeys_.back(), &QShortcut::activated, this,
                [this] { game_.Execute(MakeCommand(TCommandKind::Fly, {Selected()})); });
    }
    for (SectorMapView* map : maps)
        connect(map, &SectorMapView::markerPressed, this, [this](int sector, int system) {
            selected_ = {sector, system};
        });
    AppendHints();
}

void CommandKeys::AppendHints() {
    for (const TKey& command : commands_) {
        const QString suffix = HintSuffix(command.Keys);
        QString hint = command.Button->toolTip();
        if (hint.endsWith(suffix))
            hint.chop(suffix.size());
        // A button without a hint of its own is named by its caption.
        command.Button->setToolTip((hint.isEmpty() ? command.Button->text() : hint) + suffix);
    }
}

void CommandKeys::SetMapShown(bool shown) {
    for (QShortcut* key : mapKeys_)
        key->setEnabled(shown);
}

int CommandKeys::Selected() const {
    const TGameState& world = game_.World();
    return selected_.first == world.CurrentSector && selected_.second >= 1 ? selected_.second
                                                                           : world.CurrentSystem;
}

void CommandKeys::Move(TArrow arrow) {
    if (const std::optional<int> next = NeighbourToward(game_.Session(), Selected(), arrow)) {
        selected_ = {game_.World().CurrentSector, *next};
        game_.Execute(MakeCommand(TCommandKind::Select, {*next}));
    }
}

} // namespace veltrane
