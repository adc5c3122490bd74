#pragma once

// The upgrade shop of industrial capitals: five classes of equipment with
// three variants each, prices rolled once per visit, hyperdrives sold by
// sector, and no way down.

#include "game/Context.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltrane {

// The tree's texts before any script names them, in tree order.
const std::array<std::string, kUpgradeNodes>& UpgradeDesignTexts();

// Node texts from the script (missing ones keep their texts); prices rolled
// for the visit stay, shown behind the new texts.
void SetUpgradeTexts(TSession& session, const std::vector<std::string>& captions);

// "I would like to upgrade my ship".
TOutcome OpenUpgradeShop(TContext& ctx);

// One row of the current equipment list.
struct TEquipmentRow {
    std::string Text;
    int Picture = 0; // into the equipment pictures
};
std::vector<TEquipmentRow> EquipmentRows(const TSession& session);

// "Install item" with tree node `node` selected (0..19), or none.
TOutcome InstallItem(TContext& ctx, std::optional<int> node);

// The node whose text, without its price, is `name` (ignoring case and blanks at the ends).
std::optional<int> FindUpgradeNode(const TSession& session, const std::string& name);

} // namespace veltrane
