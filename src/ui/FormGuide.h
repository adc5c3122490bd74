#pragma once

#include "game/Game.h"
#include "lang/TextSource.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>
#include <string>

class QPushButton;
class QTextBrowser;

namespace veltrane {

// "How to play": the goal, the map, flight and energy, scanning, landing,
// cities, the headquarter and the change of sector, each chapter with a
// picture made from the game's own, and the keys. A view only: it changes
// nothing of the game, and the game clock stands still while it is open.
class FormGuide : public QDialog {
    Q_OBJECT
  public:
    // A picture relative to the program folder; with `transparent`, fuchsia is see-through.
    using TLoader = std::function<std::optional<QImage>(const std::string& relative, bool transparent)>;

    // Without a loader the game's own picture loader is used. A picture that
    // cannot be had leaves its chapter without one.
    // `script`: the language to read in, the game's when none (the options dialog may have another already).
    FormGuide(TGame& game, TLoader loader = {}, QWidget* parent = nullptr,
              const ITextSource* script = nullptr);

    // Shows the guide modally, then gives the keyboard back to the window it came from.
    void Run();

    QTextBrowser* txtGuide() const { return text_; }
    QPushButton* btnClose() const { return close_; }
    // How many chapter pictures could be made.
    int Pictures() const { return pictures_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fill();
    // Adds the picture `name` to the page; false when none could be made.
    bool AddPicture(const QString& name, const QImage& picture);
    QImage Load(const std::string& relative, bool transparent = false) const;
    QImage Illustration(const QString& chapter) const;

    TGame& game_;
    TLoader loader_;
    const ITextSource& script_;
    QTextBrowser* text_;
    QPushButton* close_;
    int pictures_ = 0;
};

} // namespace veltrane
