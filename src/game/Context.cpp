#include "Context.h"

namespace veltrane {

TOutcome Refuse(TContext& ctx, std::string text) {
    ctx.Window.ShowInfoLine(text, kRed);
    return TOutcome::Refused(std::move(text));
}

} // namespace veltrane
