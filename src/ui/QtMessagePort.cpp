#include "ui/QtMessagePort.h"

#include "game/Direction.h"
#include "ui/MessDlg.h"

#include <QString>

namespace veltrane {

QtMessagePort::QtMessagePort(QWidget* parent, TDlgCaptions& captions, const ITextSource& texts,
                             const TGameState& world, TPictureLoader loadPicture,
                             std::function<void()> platformClick)
    : parent_(parent), captions_(captions), texts_(texts), world_(world),
      loadPicture_(std::move(loadPicture)), platformClick_(std::move(platformClick)) {}

bool QtMessagePort::ShowMessDlg(const std::string& text, const std::string& caption,
                                const std::string& kind) {
    return veltrane::ShowMessDlg(QString::fromStdString(text), QString::fromStdString(caption),
                                 QString::fromStdString(kind), captions_);
}

void QtMessagePort::ShowIncomingMessage(const std::string& format, int value) {
    veltrane::ShowIncomingMessage(env(), QString::fromStdString(format), value);
}

void QtMessagePort::ShowInfoMessage(const std::string& text) {
    veltrane::ShowInfoMessage(env(), QString::fromStdString(text));
}

void QtMessagePort::ShowDirectionMessage(const std::string& text, char target) {
    veltrane::ShowDirectionMessage(env(), QString::fromStdString(text), Arrow(target));
}

std::optional<int> QtMessagePort::Arrow(char target) const {
    const auto system = DirectionTarget(world_, target);
    if (!system || !OneBased<TSystem, kSystemsPerSector>::InRange(world_.CurrentSystem))
        return std::nullopt;
    const TSystem& here = world_.Here();
    const TSystem& there = world_.System(world_.CurrentSector, *system);
    return ArrowNumber(here.PosX, here.PosY, there.PosX, there.PosY);
}

TMessageWindowEnv QtMessagePort::env() const {
    return TMessageWindowEnv{parent_, &texts_, loadPicture_, platformClick_};
}

std::string QtMessagePort::ShowChoiceDlg(const std::string& text, const std::vector<std::string>& items) {
    // Comma text: items with blanks, commas or quotes go in quotes, inner quotes doubled.
    QStringList quoted;
    for (const std::string& item : items) {
        QString q = QString::fromStdString(item);
        if (q.contains(' ') || q.contains(',') || q.contains('"'))
            q = '"' + q.replace('"', "\"\"") + '"';
        quoted << q;
    }
    return veltrane::ShowChoiceDlg(QString::fromStdString(text), quoted.join(','), captions_).toStdString();
}

} // namespace veltrane
