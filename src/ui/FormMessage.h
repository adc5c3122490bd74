#pragma once

// The incoming-message window: a borderless picture window for in-game news,
// optionally with an arrow pointing towards a target system.

#include "lang/TextSource.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

namespace veltrane {

// Loads a picture by its path relative to the program folder; a null image
// when the file is missing or unreadable (the window then goes without it).
using TPictureLoader = std::function<QImage(const QString& relative)>;

class FormMessage : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWidth = 479;
    static constexpr int kHeight = 238;

    // `platformClick` is the short button click played when OK is pressed.
    FormMessage(QWidget* parent, const TPictureLoader& loadPicture, std::function<void()> platformClick);

    void SetHeader(const QString& header);
    void SetText(const QString& text, int pointSize);
    // Shows "Pics/arrow<n>.jpg" bottom left; stays hidden if it cannot be loaded.
    void ShowDirection(int arrow);

    QString header() const;
    QString text() const;
    bool directionShown() const;

    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TPictureLoader loadPicture_;
    std::function<void()> platformClick_;
    QLabel* lblHeader_ = nullptr;
    QFrame* pnlText_ = nullptr;
    QLabel* lblText_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QLabel* imgDirection_ = nullptr;
};

// What the variants need from the main window.
struct TMessageWindowEnv {
    QWidget* parent = nullptr;
    const ITextSource* texts = nullptr; // headers; English when absent
    TPictureLoader loadPicture;
    std::function<void()> platformClick;
};

// `format` filled with `value`. A script text whose placeholders do not fit
// one number is shown as it stands: the player still gets the news.
QString IncomingMessageText(const QString& format, int value);

// Each shows the window modally and returns once the player closed it.
void ShowIncomingMessage(const TMessageWindowEnv& env, const QString& format, int value);
void ShowInfoMessage(const TMessageWindowEnv& env, const QString& text);
// Without an arrow (no target to point at) it reads like an info message.
void ShowDirectionMessage(const TMessageWindowEnv& env, const QString& text, std::optional<int> arrow);

inline constexpr int kIncomingTextPoints = 14;
inline constexpr int kInfoTextPoints = 10;

} // namespace veltrane
