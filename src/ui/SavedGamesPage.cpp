#include "SavedGamesPage.h"

#include "WidgetKit.h"
#include "lang/TextCatalogue.h"
#include "persist/SavedGame.h"

#include <QApplication>
#include <QCollator>
#include <QGroupBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>

namespace veltrane {

namespace {

enum Column { kGameName, kCaptainName, kTime, kFileName };

// The busy cursor for the length of one save or load, whichever way it ends.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The bar runs 0..4 while the work lasts and drops back to 0 afterwards.
class ProgressRun {
  public:
    explicit ProgressRun(QProgressBar* bar) : bar_(bar) {
        bar_->setRange(0, 4);
        Step(0);
    }
    ~ProgressRun() { bar_->setValue(0); }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

    void Step(int value) {
        bar_->setValue(value);
        bar_->repaint();
    }

  private:
    QProgressBar* bar_;
};

} // namespace

SavedGamesPage::SavedGamesPage(TGame& game, std::string userFolder, std::function<const ITextSource&()> texts,
                               TAskName askName, std::function<void()> click, QWidget* parent)
    : QWidget(parent), game_(game), userFolder_(std::move(userFolder)), texts_(std::move(texts)),
      askName_(std::move(askName)), click_(std::move(click)) {
    setObjectName("tabGameList");

    auto* box = new QGroupBox(" Saved Games ", this);
    box->setObjectName("gbxSavedGames");
    box->setGeometry(8, 6, 465, 246);

    list_ = new QTreeWidget(box);
    list_->setObjectName("lvwGameList");
    list_->setGeometry(10, 22, 445, 214);
    list_->setColumnCount(4);
    list_->setHeaderLabels({"Game name", "Captain name", "Time", "FName"});
    list_->setColumnWidth(kGameName, 140);
    list_->setColumnWidth(kCaptainName, 100);
    list_->setColumnWidth(kTime, 60);
    // The file name rides along with each row but is never shown.
    list_->setColumnHidden(kFileName, true);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(false);
    list_->header()->setSectionsMovable(false);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("prgProgress");
    progress_->setGeometry(8, 258, 465, 12);
    progress_->setRange(0, 4);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    save_ = MakeButton(this, "btnSaveGame", "Save Game", QRect(8, 276, 149, 28));
    load_ = MakeButton(this, "btnLoadGame", "Load Game", QRect(166, 276, 149, 28));
    delete_ = MakeButton(this, "btnDelGame", "Delete Game", QRect(324, 276, 149, 28));
    newGame_ = MakeButton(this, "btnNewGame", "New game", QRect(8, 310, 149, 28));
    exit_ = MakeButton(this, "btnExit", "Exit", QRect(324, 310, 149, 28));

    const auto withClick = [this](auto action) {
        return [this, action] {
            if (click_)
                click_();
            action();
        };
    };
    connect(save_, &QPushButton::clicked, this, withClick([this] { btnSaveGameClick(); }));
    connect(load_, &QPushButton::clicked, this, withClick([this] { btnLoadGameClick(); }));
    connect(delete_, &QPushButton::clicked, this, withClick([this] { btnDelGameClick(); }));
    connect(newGame_, &QPushButton::clicked, this, withClick([this] { emit newGameClicked(); }));
    connect(exit_, &QPushButton::clicked, this, withClick([this] { emit exitClicked(); }));
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Selected())
            btnLoadGameClick();
    });
}

void SavedGamesPage::Refresh() {
    const QString keep = Selected() ? QString::fromStdString(Selected()->FileName) : QString();
    rows_ = GameList(userFolder_);
    // Game names in the player's own alphabetical order, not byte order.
    QCollator collator{QLocale()};
    std::stable_sort(rows_.begin(), rows_.end(), [&collator](const TGameListRow& a, const TGameListRow& b) {
        if (a.Autosave != b.Autosave)
            return a.Autosave; // the autosave heads the list
        return collator.compare(QString::fromStdString(a.GameName), QString::fromStdString(b.GameName)) < 0;
    });
    list_->clear();
    for (const TGameListRow& row : rows_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kGameName, QString::fromStdString(row.GameName));
        item->setText(kCaptainName, QString::fromStdString(row.CaptainName));
        item->setText(kTime, QString::fromStdString(row.Time));
        item->setText(kFileName, QString::fromStdString(row.FileName));
        if (row.Autosave) {
            // Set apart from a game the player may have named "Autosave" too.
            QFont italic = item->font(kGameName);
            italic.setItalic(true);
            item->setFont(kGameName, italic);
        }
        if (!keep.isEmpty() && item->text(kFileName) == keep)
            list_->setCurrentItem(item);
    }
}

const TGameListRow* SavedGamesPage::Selected() const {
    const QList<QTreeWidgetItem*> chosen = list_->selectedItems();
    if (chosen.isEmpty())
        return nullptr;
    const int index = list_->indexOfTopLevelItem(chosen.front());
    return index >= 0 && index < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(index)]
                                                                : nullptr;
}

void SavedGamesPage::Inform(const std::string& text) {
    game_.Ctx().Messages.ShowMessDlg(text, "", TMessageKind::Info);
}

void SavedGamesPage::btnSaveGameClick() {
    // The saved clock is the one of the moment the dialog opened.
    game_.Ctx().Time.StopTimer(TTimer::Main);
    const ITextSource& texts = texts_();
    // Only autosaves write the autosave's file: saving by hand over it makes a new game.
    const TGameListRow* selected = Selected() && !Selected()->Autosave ? Selected() : nullptr;
    const std::string proposal = selected ? selected->GameName : std::string();
    if (!askName_)
        return;
    const std::optional<std::string> name =
        askName_(Lookup(texts, texts::NameSave), Lookup(texts, texts::NamePrompt), proposal);
    if (!name)
        return;
    // A name the list holds saves over that game, once the player agrees.
    const bool known = std::any_of(rows_.begin(), rows_.end(), [&](const TGameListRow& row) {
        return !row.Autosave && row.GameName == *name;
    });
    if (known && !game_.Ctx().Messages.ShowMessDlg(FormatTextOrDefault(texts, texts::AlreadyExists, {*name}),
                                                   "", TMessageKind::Confirm))
        return;
    emit aboutToSave();
    {
        BusyCursor busy;
        ProgressRun progress(progress_);
        progress.Step(1);
        game_.Execute(MakeCommand(TCommandKind::Save, {}, *name));
        progress.Step(3);
        Refresh();
        // The game just saved is the selected one, ready to be saved over again.
        for (int r = 0; r < list_->topLevelItemCount(); ++r)
            if (list_->topLevelItem(r)->text(kGameName).toStdString() == *name &&
                !rows_[static_cast<std::size_t>(r)].Autosave)
                list_->setCurrentItem(list_->topLevelItem(r));
        progress.Step(4);
    }
}

void SavedGamesPage::btnLoadGameClick() {
    const TGameListRow* row = Selected();
    if (!row) {
        Inform(Lookup(texts_(), texts::NoGameSelected));
        return;
    }
    bool loaded = false;
    {
        BusyCursor busy;
        ProgressRun progress(progress_);
        progress.Step(1);
        loaded = game_.Execute(MakeCommand(TCommandKind::Load, {}, row->FileName)).Outcome.Done;
        progress.Step(4);
    }
    if (loaded)
        emit gameLoaded();
}

void SavedGamesPage::btnDelGameClick() {
    const TGameListRow* row = Selected();
    if (!row) {
        Inform(Lookup(texts_(), texts::NoGameSelected));
        return;
    }
    const std::string fileName = row->FileName;
    if (game_.Ctx().Messages.ShowMessDlg(Lookup(texts_(), texts::AYS), "", TMessageKind::Confirm))
        game_.Execute(MakeCommand(TCommandKind::Delete, {}, fileName));
    Refresh();
}

} // namespace veltrane
