#pragma once

// Selling artefacts and buying energy in a capital city.

#include "game/Context.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// What a city pays for an artefact: the base price (10..99) tripled for "$$$"
// in its description, else doubled for "$$", then lowered by a poor economy
// (kind 0) or raised by a rich one (kind 2) by the factor 1.3, truncated.
int SellPrice(int basePrice, std::string_view info, int economyKind);

// Cost of `percent` energy at the price text shown ("0.50"): rounded half to
// even, and at least 1 G$ for any energy at all.
int RefuelCost(std::string_view priceText, int percent);

// "I would like to sell artefacts": the list with this visit's prices.
TOutcome OpenSellPanel(TContext& ctx);
// The total of the rows selected, as the label shows it.
std::string SellTotal(const TContext& ctx, const std::vector<int>& selectedRows);
// Sells the rows selected; each artefact sold is hidden again in this sector.
TOutcome SellSelection(TContext& ctx, const std::vector<int>& selectedRows);

// "I would like to refuel": the slider can fill up to a full cell.
TOutcome OpenRefuelPanel(TContext& ctx);
void MoveRefuelSlider(TContext& ctx, int position);
// Fills what the slider says, if the budget covers the cost the slider showed.
TOutcome FillEnergy(TContext& ctx);

} // namespace veltrane
