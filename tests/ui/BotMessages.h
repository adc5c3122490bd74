#pragma once

// The bot's message port: every dialog is answered at once, a sector choice
// with the sector the bot asked for, and what was said is kept for its log.

#include "game/Ports.h"

#include <string>
#include <vector>

namespace veltrane::test {

class BotMessages : public IMessagePort {
  public:
    bool ShowMessDlg(const std::string& text, const std::string&, const std::string& kind) override {
        Said.push_back(text);
        if (kind == "c" && text == NewGameQuestion)
            NewGameOffered = true;
        return true;
    }
    void ShowIncomingMessage(const std::string& format, int value) override {
        Said.push_back(format + " (" + std::to_string(value) + ")");
    }
    void ShowInfoMessage(const std::string& text) override { Said.push_back(text); }
    void ShowDirectionMessage(const std::string& text, char) override { Said.push_back(text); }
    std::string ShowChoiceDlg(const std::string&, const std::vector<std::string>& items) override {
        for (const std::string& item : items)
            if (!item.empty() && item.back() == static_cast<char>('0' + WantedSector))
                return item;
        return {};
    }

    // The sector the next choice answers with.
    int WantedSector = 1;
    // The headquarter's question after the fourth artefact, as the script words it.
    std::string NewGameQuestion;
    bool NewGameOffered = false;
    std::vector<std::string> Said;
};

} // namespace veltrane::test
