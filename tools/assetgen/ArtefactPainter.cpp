#include "ArtefactPainter.h"

#include "RelicPainting.h"

#include <QStringList>

#include <array>

namespace veltrane::assetgen {

namespace {

struct NamedMaterial {
    const char* words;
    RelicMaterial material;
};

const std::array<NamedMaterial, 19> kMaterials{{
    {"gold golden", {Rgb::hex(0xd8a830), 0.6}},
    {"silver platinum", {Rgb::hex(0xbcc4d0), 0.7}},
    {"jade", {Rgb::hex(0x4aa878), 0.4}},
    {"ruby red ember", {Rgb::hex(0xc8203a), 0.6}},
    {"sapphire blue", {Rgb::hex(0x2a58d0), 0.6}},
    {"bronze brass", {Rgb::hex(0xa86a30), 0.45}},
    {"amethyst violet", {Rgb::hex(0x9040c8), 0.6}},
    {"emerald green", {Rgb::hex(0x18b060), 0.6}},
    {"copper", {Rgb::hex(0xc0683a), 0.5}},
    {"coral", {Rgb::hex(0xf07a68), 0.4}},
    {"amber", {Rgb::hex(0xe08a20), 0.6}},
    {"obsidian black cinder", {Rgb::hex(0x2c2438), 0.55}},
    {"iron", {Rgb::hex(0x5a5e66), 0.4}},
    {"bone ivory", {Rgb::hex(0xe0d4b4), 0.3}},
    {"crystal glass ice quartz diamond", {Rgb::hex(0xa8dcec), 0.8}},
    {"clay ceramic", {Rgb::hex(0xb86a48), 0.2}},
    {"wood wooden driftwood", {Rgb::hex(0x8a5a34), 0.2}},
    {"moonstone pearl white", {Rgb::hex(0xdce2f0), 0.6}},
    {"stone grey lodestone", {Rgb::hex(0x7a7670), 0.25}},
}};
// Relics whose text names no material draw from the first eleven, the bright ones.
constexpr std::size_t kFreeMaterials = 11;

std::optional<std::size_t> namedMaterial(const QString& text) {
    QStringList all;
    for (const NamedMaterial& m : kMaterials) {
        all << QString(m.words).split(' ');
    }
    const QString word = ArtefactLore::firstWordOf(text, all);
    for (std::size_t i = 0; i < kMaterials.size() && !word.isEmpty(); ++i) {
        if (QString(kMaterials[i].words).split(' ').contains(word)) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

QImage ArtefactPainter::paint(int n) {
    const auto& lore = ArtefactLore::shipped();
    const auto entry = lore.find(n);
    return paint(n, entry == lore.end() ? ArtefactLore::Entry{} : entry->second);
}

QImage ArtefactPainter::paint(int n, const ArtefactLore::Entry& lore) {
    // A name with no known word still gets a relic: a shard of something.
    const ArtefactLore::Motif motif =
        ArtefactLore::motifOf(lore.name).value_or(ArtefactLore::Motif{ArtefactLore::Subject::Shard, {}});
    const auto free = static_cast<std::size_t>(n * 7) % kFreeMaterials;
    const std::size_t main = namedMaterial(lore.name).value_or(namedMaterial(lore.info).value_or(free));
    const std::size_t accent = (main + 3 + static_cast<std::size_t>(n) % 5) % kFreeMaterials;
    return RelicPainting(n, lore.name, motif, kMaterials[main].material,
                         kMaterials[accent == main ? (accent + 1) % kFreeMaterials : accent].material)
        .paint();
}

} // namespace veltrane::assetgen
