#include "ui/QtMessagePort.h"

#include "ui/MessDlg.h"

#include <QString>
#include <QStringList>

namespace veltrane {

QtMessagePort::QtMessagePort(QWidget* parent, std::function<TDlgCaptions&()> captions,
                             std::function<const ITextSource&()> texts, TPictureLoader loadPicture,
                             std::function<void()> platformClick)
    : parent_(parent), captions_(std::move(captions)), texts_(std::move(texts)),
      loadPicture_(std::move(loadPicture)), platformClick_(std::move(platformClick)) {}

bool QtMessagePort::ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) {
    const char* letter = kind == TMessageKind::Confirm ? "c" : kind == TMessageKind::Warning ? "w" : "i";
    return veltrane::ShowMessDlg(QString::fromStdString(text), QString::fromStdString(caption), letter,
                                 captions_());
}

void QtMessagePort::ShowIncomingMessage(const std::string& format, int value) {
    veltrane::ShowIncomingMessage(env(), QString::fromStdString(format), value);
}

void QtMessagePort::ShowInfoMessage(const std::string& text) {
    veltrane::ShowInfoMessage(env(), QString::fromStdString(text));
}

void QtMessagePort::ShowDirectionMessage(const std::string& text, std::optional<int> arrow) {
    veltrane::ShowDirectionMessage(env(), QString::fromStdString(text), arrow);
}

TMessageWindowEnv QtMessagePort::env() const {
    return TMessageWindowEnv{parent_, &texts_(), loadPicture_, platformClick_};
}

std::string AskChoice(const std::string& text, const std::vector<std::string>& items,
                      TDlgCaptions& captions) {
    // Comma text: items with blanks, commas or quotes go in quotes, inner quotes doubled.
    QStringList quoted;
    for (const std::string& item : items) {
        QString q = QString::fromStdString(item);
        if (q.contains(' ') || q.contains(',') || q.contains('"'))
            q = '"' + q.replace('"', "\"\"") + '"';
        quoted << q;
    }
    return veltrane::ShowChoiceDlg(QString::fromStdString(text), quoted.join(','), captions).toStdString();
}

} // namespace veltrane
