#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace veltrane::assetgen {

// What the language script says about the hundred relics, and what their pictures show. The
// English script is built into the generator, so a renamed relic gets a fitting picture in the
// same build.
class ArtefactLore {
  public:
    struct Entry {
        QString name;
        QString info;
    };

    enum class Subject {
        Key,
        Idol,
        Mask,
        Tablet,
        Orb,
        Device,
        Skull,
        Crown,
        Gem,
        Shard,
        Eye,
        Vessel,
        Lantern,
        Feather,
        Ring,
        Horn,
        Scroll,
        Rod,
        Bell,
        Hourglass,
        Mirror,
        Creature,
        Plant
    };

    // The subject and the word of the name that chose it ("chalice" is a vessel on a stem).
    struct Motif {
        Subject subject;
        QString word;
    };

    // The [Artefact<N>] sections of a language script, by number; sections without a name are left out.
    static std::map<int, Entry> parse(const QString& script);
    // The English script built into the generator from data/LScripts/English.lng.
    static const std::map<int, Entry>& shipped();

    // The thing a name is about: the last known word before "of", or else any known word
    // ("Crown of the Tide Kings" is a crown, "Star Whale Tooth" a tooth).
    static std::optional<Motif> motifOf(const QString& name);
    // The first word of `text` found in `words`, matched whole and with a plural allowed.
    static QString firstWordOf(const QString& text, const QStringList& words);
};

} // namespace veltrane::assetgen
