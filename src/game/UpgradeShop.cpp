#include "UpgradeShop.h"

#include "game/City.h"
#include "lang/TextCatalogue.h"

#include <strings.h>

namespace veltrane {

namespace {

constexpr int kClasses = 5;

// Class pictures and the picture of a class's first variant, in tree order.
constexpr int kClassPicture[kClasses] = {1, 7, 4, 10, 13};
constexpr int kLevelPictureBase[kClasses] = {0, 6, 3, 9, 12};

std::uint8_t& Level(TCaptain& captain, int c) {
    switch (c) {
    case 1:
        return captain.Scanner;
    case 2:
        return captain.EnergyCell;
    case 3:
        return captain.Storage;
    case 4:
        return captain.Navigator;
    default:
        return captain.Hyperdrive;
    }
}

std::string BeforeBracket(const std::string& text) {
    const auto at = text.find('[');
    return at == std::string::npos ? text : text.substr(0, at);
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

const std::array<std::string, kUpgradeNodes>& UpgradeDesignTexts() {
    static const std::array<std::string, kUpgradeNodes> texts = {
        "Scanner",  "Basic",   "Power",      "Ultra",  "Energy Cell", "Iron",      "Silver",
        "Gold",     "Storage", "Standard",   "Omni",   "Mega",        "Navigator", "Simple",
        "Advanced", "Perfect", "Hyperdrive", "Single", "Double",      "Triple"};
    return texts;
}

void SetUpgradeTexts(TSession& session, const std::vector<std::string>& captions) {
    for (std::size_t i = 0; i < session.UpgradeTexts.size(); ++i) {
        if (session.UpgradeTexts[i].empty())
            session.UpgradeTexts[i] = UpgradeDesignTexts()[i];
        if (i < captions.size())
            session.UpgradeTexts[i] = captions[i];
        // Prices rolled for this visit survive a new language; only their texts are translated.
        const int price = session.UpgradePrices[i];
        if (price > 0)
            session.UpgradeTexts[i] =
                Trimmed(BeforeBracket(session.UpgradeTexts[i])) + " [" + std::to_string(price) + "]";
    }
}

TOutcome OpenUpgradeShop(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    TSession& session = ctx.Session;
    session.Visit.Person = Lookup(ctx.Script, texts::Upgrade);
    if (session.UpgradeTexts[0].empty())
        SetUpgradeTexts(session, {});
    if (!session.Visit.UpgradePricesRolled) {
        for (int c = 1; c <= kClasses; ++c)
            for (int j = 0; j < 3; ++j) {
                const auto node = static_cast<std::size_t>((c - 1) * 4 + 1 + j);
                std::string text = session.UpgradeTexts[node];
                text = text.find('[') != std::string::npos ? BeforeBracket(text) : text + " ";
                const int price = ctx.Rng.Random(50) + 100 * c * (j + 1);
                session.UpgradeTexts[node] = text + "[" + std::to_string(price) + "]";
                session.UpgradePrices[node] = price;
            }
    }
    session.Visit.UpgradePricesRolled = true;
    ShowCityPanel(ctx, TCityPanel::Upgrade);
    return TOutcome::Ok(session.Visit.Person);
}

std::vector<TEquipmentRow> EquipmentRows(const TSession& session) {
    std::vector<TEquipmentRow> rows;
    TCaptain captain = session.World.Captain;
    for (int c = 1; c <= kClasses; ++c) {
        const int level = Level(captain, c);
        if (level >= 1 && level <= 3)
            rows.push_back(
                {BeforeBracket(session.UpgradeTexts[static_cast<std::size_t>((c - 1) * 4 + level)]),
                 kLevelPictureBase[c - 1] + level});
        else
            rows.push_back({"--- ", kClassPicture[c - 1]});
    }
    return rows;
}

TOutcome InstallItem(TContext& ctx, std::optional<int> node) {
    TSession& session = ctx.Session;
    std::string& answer = session.Visit.Person;
    auto finish = [&](bool done) {
        RefreshStatus(ctx);
        ctx.Window.PageChanged(TView::City);
        return done ? TOutcome::Ok(answer) : Explain(ctx, answer);
    };
    if (!node || *node < 0 || *node >= kUpgradeNodes) {
        answer = Lookup(ctx.Script, texts::NoSelection);
        return finish(false);
    }
    if (*node % 4 == 0) {
        answer = Lookup(ctx.Script, texts::NoVariant);
        return finish(false);
    }
    TCaptain& captain = ctx.World().Captain;
    const int price = session.UpgradePrices[static_cast<std::size_t>(*node)];
    if (captain.Budget < price) {
        answer = Lookup(ctx.Script, texts::MoreBudget);
        return finish(false);
    }
    const int c = *node / 4 + 1;
    const int v = *node % 4;
    if (c == kClasses && v > ctx.World().CurrentSector) {
        answer = FormatTextOrDefault(ctx.Script, texts::WrongSector, {std::int64_t{v}});
        return finish(false);
    }
    std::uint8_t& level = Level(captain, c);
    if (v <= level) {
        answer = Lookup(ctx.Script, texts::HaveAlready);
        return finish(false);
    }
    captain.AddBudget(-std::int64_t{price});
    ctx.Sound.PlaySoundEffect("install.wav");
    answer = Lookup(ctx.Script, texts::MoreWishes);
    level = static_cast<std::uint8_t>(v);
    return finish(true);
}

std::optional<int> FindUpgradeNode(const TSession& session, const std::string& name) {
    for (int i = 0; i < kUpgradeNodes; ++i) {
        const std::string& text = session.UpgradeTexts[static_cast<std::size_t>(i)];
        const std::string shown =
            Trimmed(BeforeBracket(text.empty() ? UpgradeDesignTexts()[static_cast<std::size_t>(i)] : text));
        if (strcasecmp(shown.c_str(), Trimmed(name).c_str()) == 0)
            return i;
    }
    return std::nullopt;
}

} // namespace veltrane
