#include "SavedGamesPage.h"

#include "WidgetKit.h"
#include "game/CityProfile.h"
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

SavedGamesPage::SavedGamesPage(TContext& ctx, std::string userFolder,
                               std::function<const ITextSource&()> texts, TAskName askName,
                               std::function<void()> click, QWidget* parent)
    : QWidget(parent), ctx_(ctx), userFolder_(std::move(userFolder)), texts_(std::move(texts)),
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
    ctx_.Messages.ShowMessDlg(text, "", "i");
}

void SavedGamesPage::btnSaveGameClick() {
    // The saved clock is the one of the moment the dialog opened.
    ctx_.Time.StopTimer(TTimer::Main);
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

    const std::filesystem::path folder = GamesFolder(userFolder_);
    std::string fileName;
    if (selected && *name == selected->GameName) {
        const std::string question = FormatTextOrDefault(texts, texts::AlreadyExists, {*name});
        if (!ctx_.Messages.ShowMessDlg(question, "", "c"))
            return;
        fileName = selected->FileName;
    } else {
        // Asked right before writing, so two saves within one second get two files.
        const Result<std::string> fresh = NewSaveFileName(folder);
        if (!fresh) {
            Inform(fresh.error().message);
            return;
        }
        fileName = *fresh;
    }

    Status saved = Status::Ok();
    {
        BusyCursor busy;
        ProgressRun progress(progress_);
        progress.Step(1);
        saved = SaveGame(ctx_.World(), *name, folder / fileName);
        progress.Step(3);
        Refresh();
        // The game just saved is the selected one, ready to be saved over again.
        for (int r = 0; r < list_->topLevelItemCount(); ++r)
            if (list_->topLevelItem(r)->text(kFileName).toStdString() == fileName)
                list_->setCurrentItem(list_->topLevelItem(r));
        progress.Step(4);
    }
    if (!saved)
        Inform(saved.error().message);
}

void SavedGamesPage::btnLoadGameClick() {
    const TGameListRow* row = Selected();
    if (!row)
        return;
    const ITextSource& texts = texts_();
    const std::filesystem::path path = GamesFolder(userFolder_) / row->FileName;
    Result<TGameState> loaded = Error{};
    {
        BusyCursor busy;
        ProgressRun progress(progress_);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            progress.Step(0);
            Inform(FormatTextOrDefault(texts, texts::FNotFound, {path.string()}));
            return;
        }
        progress.Step(1);
        const CityProfiler profiler = [this](int lifeform, TCity& city) {
            return GenerateCityProfile(lifeform, city, ctx_.Tables, ctx_.Rng);
        };
        // Read into a copy: a damaged file never half-replaces the running game.
        loaded = LoadGame(path, ctx_.World(), profiler, ctx_.Rng);
        progress.Step(3);
        if (loaded)
            ctx_.Session.World = std::move(*loaded);
        progress.Step(4);
    }
    if (!loaded) {
        Inform(loaded.error().message);
        return;
    }
    Inform(Lookup(texts, texts::LoadSuccess));
    emit gameLoaded();
}

void SavedGamesPage::btnDelGameClick() {
    const TGameListRow* row = Selected();
    if (!row)
        return;
    const std::string fileName = row->FileName;
    if (ctx_.Messages.ShowMessDlg(Lookup(texts_(), texts::AYS), "", "c"))
        if (const Status deleted = DeleteGame(userFolder_, fileName); !deleted)
            Inform(deleted.error().message);
    Refresh();
}

} // namespace veltrane
