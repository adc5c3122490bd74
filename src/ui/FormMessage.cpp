#include "ui/FormMessage.h"

#include "ui/DialogScaler.h"
#include "ui/MetalStyle.h"

#include "lang/Format.h"
#include "lang/TextCatalogue.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace veltrane {

namespace {

// A picture stretched over its whole parent, beneath the parent's other children.
QLabel* Backdrop(QWidget* parent, const char* name, const QImage& picture) {
    auto* img = new QLabel(parent);
    img->setObjectName(name);
    img->setScaledContents(true);
    if (!picture.isNull())
        img->setPixmap(QPixmap::fromImage(picture));
    img->setGeometry(parent->contentsRect());
    img->lower();
    return img;
}

QFont Arial(int pointSize) {
    QFont font("Arial");
    font.setPointSize(pointSize);
    return font;
}

QString Header(const TMessageWindowEnv& env, const TTextEntry& entry) {
    if (!env.texts)
        return QString::fromUtf8(entry.DefaultText().data(), static_cast<int>(entry.DefaultText().size()));
    return QString::fromStdString(Lookup(*env.texts, entry));
}

void Show(const TMessageWindowEnv& env, const QString& header, const QString& text, int points,
          std::optional<int> arrow) {
    auto form = std::make_unique<FormMessage>(env.parent, env.loadPicture, env.platformClick);
    form->SetHeader(header);
    form->SetText(text, points);
    if (arrow)
        form->ShowDirection(*arrow);
    ExecDialog(*form);
}

} // namespace

FormMessage::FormMessage(QWidget* parent, const TPictureLoader& loadPicture,
                         std::function<void()> platformClick)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), loadPicture_(loadPicture),
      platformClick_(std::move(platformClick)) {
    setObjectName("FormMessage");
    setFixedSize(kWidth, kHeight);
    setModal(true);
    auto load = [this](const QString& relative) { return loadPicture_ ? loadPicture_(relative) : QImage(); };

    auto* panel = new QFrame(this);
    panel->setObjectName("pnlMessage");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(0, 0, kWidth, kHeight);
    Backdrop(panel, "imgBackground", load("Pics/MsgBack.jpg"));

    lblHeader_ = new QLabel(panel);
    lblHeader_->setObjectName("lblHeader");
    QFont headerFont("Arial");
    headerFont.setPixelSize(19);
    lblHeader_->setFont(headerFont);
    // The header stands on the dark metal of the frame, the text on the pale glass below it.
    QPalette onMetal = lblHeader_->palette();
    onMetal.setColor(QPalette::WindowText, metal::kText);
    lblHeader_->setPalette(onMetal);
    QPalette black = lblHeader_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblHeader_->setAlignment(Qt::AlignCenter);
    lblHeader_->setTextFormat(Qt::PlainText);
    lblHeader_->setGeometry(10, 10, kWidth - 20, 26);

    pnlText_ = new QFrame(panel);
    pnlText_->setObjectName("pnlText");
    pnlText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlText_->setLineWidth(1);
    pnlText_->setGeometry((kWidth - 433) / 2, 44, 433, 145);
    Backdrop(pnlText_, "imgTextBack", load("Pics/MsgText.jpg"));

    lblText_ = new QLabel(pnlText_);
    lblText_->setObjectName("lblText");
    lblText_->setAlignment(Qt::AlignCenter);
    lblText_->setTextFormat(Qt::PlainText);
    lblText_->setWordWrap(true);
    lblText_->setPalette(black);
    lblText_->setGeometry(pnlText_->contentsRect().adjusted(6, 4, -6, -4));

    btnOK_ = new QPushButton("OK", panel);
    btnOK_->setObjectName("btnOK");
    btnOK_->setGeometry((kWidth - 145) / 2, kHeight - 26 - 10, 145, 26);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &FormMessage::btnOKClick);

    imgDirection_ = new QLabel(panel);
    imgDirection_->setObjectName("imgDirection");
    imgDirection_->setScaledContents(true);
    imgDirection_->setGeometry(12, kHeight - 32 - 8, 32, 32);
    imgDirection_->hide();
}

void FormMessage::SetHeader(const QString& header) {
    lblHeader_->setText(header);
}

void FormMessage::SetText(const QString& text, int pointSize) {
    lblText_->setFont(Arial(pointSize));
    // Script texts join their lines with CR LF.
    QString shown = text;
    lblText_->setText(shown.replace("\r\n", "\n"));
}

void FormMessage::ShowDirection(int arrow) {
    const QImage picture = loadPicture_ ? loadPicture_(QString("Pics/arrow%1.jpg").arg(arrow)) : QImage();
    if (picture.isNull()) {
        imgDirection_->hide();
        return;
    }
    imgDirection_->setPixmap(QPixmap::fromImage(picture));
    imgDirection_->show();
}

QString FormMessage::header() const {
    return lblHeader_->text();
}

QString FormMessage::text() const {
    return lblText_->text();
}

bool FormMessage::directionShown() const {
    return !imgDirection_->isHidden();
}

void FormMessage::btnOKClick() {
    if (platformClick_)
        platformClick_();
    accept();
}

void FormMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && owner->isVisible())
        move(owner->mapToGlobal(owner->rect().center()) - rect().center());
    else if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

QString IncomingMessageText(const QString& format, int value) {
    const auto text = Format(format.toStdString(), {FormatArg{std::int64_t{value}}});
    return text ? QString::fromStdString(*text) : format;
}

void ShowIncomingMessage(const TMessageWindowEnv& env, const QString& format, int value) {
    Show(env, Header(env, texts::IncMsg), IncomingMessageText(format, value), kIncomingTextPoints,
         std::nullopt);
}

void ShowInfoMessage(const TMessageWindowEnv& env, const QString& text) {
    Show(env, Header(env, texts::Information), text, kInfoTextPoints, std::nullopt);
}

void ShowDirectionMessage(const TMessageWindowEnv& env, const QString& text, std::optional<int> arrow) {
    Show(env, Header(env, texts::Information), text, kInfoTextPoints, arrow);
}

} // namespace veltrane
