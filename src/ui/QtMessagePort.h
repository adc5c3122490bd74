#pragma once

#include "core/ContentTables.h"
#include "game/Ports.h"
#include "lang/TextSource.h"
#include "ui/FormMessage.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace veltrane {

// The message dialogs and the incoming-message window as the rules see them.
// The dialog captions and the script are asked for at each message: they
// belong to the game, which is made after its ports.
class QtMessagePort : public IMessagePort {
  public:
    QtMessagePort(QWidget* parent, std::function<TDlgCaptions&()> captions,
                  std::function<const ITextSource&()> texts, TPictureLoader loadPicture,
                  std::function<void()> platformClick);

    bool ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) override;
    void ShowIncomingMessage(const std::string& format, int value) override;
    void ShowInfoMessage(const std::string& text) override;
    void ShowDirectionMessage(const std::string& text, std::optional<int> arrow) override;

  private:
    TMessageWindowEnv env() const;

    QWidget* parent_;
    std::function<TDlgCaptions&()> captions_;
    std::function<const ITextSource&()> texts_;
    TPictureLoader loadPicture_;
    std::function<void()> platformClick_;
};

// A list to choose from, the first item preselected; the item chosen, or ""
// when the dialog closed without OK.
std::string AskChoice(const std::string& text, const std::vector<std::string>& items, TDlgCaptions& captions);

} // namespace veltrane
