#include "ArtefactLore.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <utility>

namespace veltrane::assetgen {

namespace {

using Subject = ArtefactLore::Subject;

const std::map<QString, Subject>& keywords() {
    static const std::map<QString, Subject> table = [] {
        std::map<QString, Subject> t;
        const std::pair<Subject, const char*> groups[] = {
            {Subject::Key, "key"},
            {Subject::Idol, "idol statuettes statuette totem soldier figure"},
            {Subject::Mask, "mask"},
            {Subject::Tablet, "tablet stone keystone book fossil rune"},
            {Subject::Orb, "orb pearl pebble stones comet globe"},
            {Subject::Device, "compass astrolabe sextant sundial box hand clockwork engine"},
            {Subject::Skull, "skull bones"},
            {Subject::Crown, "crown diadem tiara helm"},
            {Subject::Gem, "gem heart prism dice diamond jewel"},
            {Subject::Shard, "shard fragment astrolith splinter crystal"},
            {Subject::Eye, "eye lens"},
            {Subject::Vessel, "bowl chalice cup jar vessel bottle glass flask tea nest"},
            {Subject::Lantern, "lantern lamp"},
            {Subject::Feather, "feather quill fan"},
            {Subject::Ring, "ring disc coin seal brooch pin cogwheel gear"},
            {Subject::Horn, "horn tooth shell thorn"},
            {Subject::Scroll, "scroll map letter banner ribbon"},
            {Subject::Rod, "sceptre staff flute spindle shuttle dagger wand"},
            {Subject::Bell, "bell chime drum"},
            {Subject::Hourglass, "clock hourglass"},
            {Subject::Mirror, "mirror"},
            {Subject::Creature, "beetle scarab dragonfly frog owl moth bird wolf"},
            {Subject::Plant, "seed root rose flower"},
        };
        for (const auto& [subject, words] : groups) {
            for (const QString& w : QString(words).split(' ')) {
                t.emplace(w, subject);
            }
        }
        return t;
    }();
    return table;
}

// The patterns are per thread: relics are painted on several at once.
QStringList wordsOf(const QString& text) {
    thread_local const QRegularExpression possessive("['\u2019]s\\b");
    thread_local const QRegularExpression gaps("[^\\p{L}]+");
    QString plain = text.toLower();
    plain.replace(possessive, "");
    return plain.split(gaps, Qt::SkipEmptyParts);
}

// The word itself if it is known, else its singular.
template <typename Known> std::optional<QString> knownForm(const QString& word, Known known) {
    if (known(word)) {
        return word;
    }
    if (word.size() > 3 && word.endsWith('s') && known(word.chopped(1))) {
        return word.chopped(1);
    }
    return std::nullopt;
}

} // namespace

std::map<int, ArtefactLore::Entry> ArtefactLore::parse(const QString& script) {
    thread_local const QRegularExpression header("^\\[Artefact(\\d+)\\]$");
    std::map<int, Entry> entries;
    int current = 0;
    Entry entry;
    const auto close = [&] {
        if (current > 0 && !entry.name.isEmpty()) {
            entries[current] = entry;
        }
        current = 0;
        entry = {};
    };
    for (const QString& raw : script.split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('[')) {
            close();
            const QRegularExpressionMatch m = header.match(line);
            current = m.hasMatch() ? m.captured(1).toInt() : 0;
        } else if (current > 0 && line.startsWith("Name=")) {
            entry.name = line.mid(5).trimmed();
        } else if (current > 0 && line.startsWith("Info=")) {
            entry.info = line.mid(5).trimmed();
        }
    }
    close();
    return entries;
}

const std::map<int, ArtefactLore::Entry>& ArtefactLore::shipped() {
    static const std::map<int, Entry> entries = [] {
        QFile file(":/LScripts/English.lng");
        return file.open(QIODevice::ReadOnly) ? parse(QString::fromUtf8(file.readAll()))
                                              : std::map<int, Entry>{};
    }();
    return entries;
}

std::optional<ArtefactLore::Motif> ArtefactLore::motifOf(const QString& name) {
    const QStringList words = wordsOf(name);
    const auto of = words.indexOf("of");
    const auto head = of < 0 ? words.size() : of;
    const auto known = [](const QString& w) { return keywords().contains(w); };
    // The head of the name first, read from its end ("Platinum Gear Crown" is a crown).
    for (auto i = head - 1; i >= 0; --i) {
        if (const auto w = knownForm(words[i], known)) {
            return Motif{keywords().at(*w), *w};
        }
    }
    for (auto i = head; i < words.size(); ++i) {
        if (const auto w = knownForm(words[i], known)) {
            return Motif{keywords().at(*w), *w};
        }
    }
    return std::nullopt;
}

QString ArtefactLore::firstWordOf(const QString& text, const QStringList& words) {
    const auto known = [&](const QString& w) { return words.contains(w); };
    for (const QString& word : wordsOf(text)) {
        if (const auto w = knownForm(word, known)) {
            return *w;
        }
    }
    return {};
}

} // namespace veltrane::assetgen
