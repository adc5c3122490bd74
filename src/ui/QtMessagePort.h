#pragma once

#include "core/ContentTables.h"
#include "core/World.h"
#include "game/Ports.h"
#include "lang/TextSource.h"
#include "ui/FormMessage.h"

#include <functional>

class QWidget;

namespace veltrane {

// The message dialogs and the incoming-message window as the rules see them.
// Holds references to what the main window owns for the whole run: the
// dialog captions, the current script and the world (for the arrow's target).
class QtMessagePort : public IMessagePort {
  public:
    QtMessagePort(QWidget* parent, TDlgCaptions& captions, const ITextSource& texts, const TGameState& world,
                  TPictureLoader loadPicture, std::function<void()> platformClick);

    bool ShowMessDlg(const std::string& text, const std::string& caption, const std::string& kind) override;
    void ShowIncomingMessage(const std::string& format, int value) override;
    void ShowInfoMessage(const std::string& text) override;
    void ShowDirectionMessage(const std::string& text, char target) override;
    std::string ShowChoiceDlg(const std::string& text, const std::vector<std::string>& items) override;

    // The arrow picture number for `target`, or nothing when there is nothing
    // in this sector to point at.
    std::optional<int> Arrow(char target) const;

  private:
    TMessageWindowEnv env() const;

    QWidget* parent_;
    TDlgCaptions& captions_;
    const ITextSource& texts_;
    const TGameState& world_;
    TPictureLoader loadPicture_;
    std::function<void()> platformClick_;
};

} // namespace veltrane
