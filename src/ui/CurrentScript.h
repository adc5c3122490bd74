#pragma once

#include "lang/TextSource.h"

#include <memory>

namespace veltrane {

// Forwards to whichever language script is loaded at the moment, so helpers
// holding a text source see a language change at once.
class TCurrentScript : public ITextSource {
  public:
    explicit TCurrentScript(const std::unique_ptr<ITextSource>& script) : script_(script) {}
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
        return script_ ? script_->Lookup(section, key) : std::nullopt;
    }

  private:
    const std::unique_ptr<ITextSource>& script_;
};

} // namespace veltrane
