#include "Views.h"

#include "game/Course.h"
#include "game/Events.h"
#include "game/Landing.h"
#include "game/Scanning.h"

namespace veltrane {

void ShowView(TContext& ctx, TView view) {
    TSession& session = ctx.Session;
    if (session.CurrentView == TView::City && view != TView::City)
        PoliceCheck(ctx);
    session.CurrentView = view;
    ctx.Window.ShowPage(view);
    if (IsSectorView(view) || view == TView::System)
        SelectSystem(ctx, ctx.World().CurrentSystem);
}

void ShowSectorMap(TContext& ctx, bool fromMapButton) {
    ClearModuleFilters(ctx);
    if (fromMapButton)
        ctx.Sound.PlayButtonSound();
    ShowView(ctx, SectorView(ctx.World().CurrentSector));
    ctx.Time.StartTimer(TTimer::Blinker);
}

void ShowSystemView(TContext& ctx) {
    BuildSystemView(ctx, false);
    ShowView(ctx, TView::System);
}

} // namespace veltrane
