#include "City.h"

#include "game/Transport.h"
#include "game/Views.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"

namespace veltrane {

namespace {

TCity* CityOf(TContext& ctx, int i) {
    TPlanet* planet = PlanetLandedOn(ctx);
    if (!planet || i < 0 || i >= static_cast<int>(planet->Cities.size()))
        return nullptr;
    return &planet->Cities[static_cast<std::size_t>(i)];
}

} // namespace

TOutcome ShowCityName(TContext& ctx, int i) {
    const TCity* city = CityOf(ctx, i);
    if (!city)
        return TOutcome::Refused("no city " + std::to_string(i) + " here");
    const std::string text = Lookup(ctx.Script, texts::City) + ": " + city->Name;
    ctx.Window.ShowInfoLine(text, kWhite);
    return TOutcome::Ok(text);
}

TOutcome EnterCity(TContext& ctx, int i) {
    TCity* city = CityOf(ctx, i);
    if (!city)
        return TOutcome::Refused("no city " + std::to_string(i) + " here");
    if (ctx.Session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    TCityVisit& visit = ctx.Session.Visit;
    visit.City = i;
    ctx.Session.CurrentCity = i;
    if (city->Size != 1)
        return Refuse(ctx, Lookup(ctx.Script, texts::OnlyCapitals));

    const TPlanet& planet = *PlanetLandedOn(ctx);
    visit.Person = FormatTextOrDefault(ctx.Script, texts::WelcomeCity, {city->Name});
    visit.CityImage = city->CityImage;
    visit.AlienRace = planet.AlienRace;
    // Every visit rolls its own prices: nothing of an earlier visit's list can be sold.
    visit.SellPricesRolled = false;
    visit.SellList.clear();
    visit.TotalProfit = "0 G$";
    visit.UpgradePricesRolled = false;
    visit.SellEnabled = !ctx.World().Cargo.empty();
    visit.UpgradeOffered = planet.Lifeform > 4;
    visit.EconomyKind = city->EconomyKind;
    visit.PoliceLevel = city->PoliceLevel;
    auto price = Format("%.2f", {city->PriceFactor});
    visit.RefuelPrice = price ? *price : "0.00";
    GenerateTransportOffers(ctx);
    ctx.Window.PageChanged(TView::City);
    ShowView(ctx, TView::City);
    return TOutcome::Ok(visit.Person);
}

void ShowCityPanel(TContext& ctx, TCityPanel panel) {
    TCityVisit& visit = ctx.Session.Visit;
    visit.Panel = panel;
    if (panel == TCityPanel::Main)
        visit.Person = Lookup(ctx.Script, texts::MoreWishes);
    ctx.Window.PageChanged(TView::City);
}

TOutcome GoBack(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    ShowCityPanel(ctx, TCityPanel::Main);
    return TOutcome::Ok(ctx.Session.Visit.Person);
}

TOutcome ShowCityInfo(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    const TCity* city = CityOf(ctx, ctx.Session.Visit.City);
    if (!city)
        return TOutcome::Refused("no city entered");
    ctx.Messages.ShowInfoMessage(city->Info);
    return TOutcome::Ok(city->Info);
}

TOutcome ShowAlienInfo(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    const int race = ctx.Session.Visit.AlienRace;
    if (race < 1 || race > kAlienTextCount)
        return TOutcome::Refused("no alien race here");
    const std::string& info = ctx.Tables.AlienRaces[race].Info;
    ctx.Messages.ShowInfoMessage(info);
    return TOutcome::Ok(info);
}

TOutcome LeaveCity(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    ShowView(ctx, TView::Landscape);
    return TOutcome::Ok();
}

} // namespace veltrane
