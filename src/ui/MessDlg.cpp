#include "ui/MessDlg.h"

#include "ui/DialogScaler.h"
#include "ui/MessageSigns.h"
#include "ui/MetalStyle.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <memory>

namespace veltrane {

TMessDlgKind MessDlgKind(const QString& kind) {
    switch (kind.isEmpty() ? char16_t{} : kind.at(0).toUpper().unicode()) {
    case u'C':
        return TMessDlgKind::Confirmation;
    case u'W':
        return TMessDlgKind::Warning;
    case u'I':
        return TMessDlgKind::Information;
    default:
        return TMessDlgKind::Plain;
    }
}

void FillDefaultCaptions(TDlgCaptions& c) {
    auto fill = [](std::string& caption, const char* english) {
        if (caption.empty())
            caption = english;
    };
    fill(c.OK, "OK");
    fill(c.Yes, "Yes");
    fill(c.No, "No");
    fill(c.Information, "Information");
    fill(c.Confirmation, "Confirmation");
    fill(c.Warning, "Warning");
    fill(c.Input, "Input");
}

QString MessDlgTitle(const QString& caption, TMessDlgKind kind, const TDlgCaptions& captions) {
    if (!caption.isEmpty())
        return caption;
    switch (kind) {
    case TMessDlgKind::Confirmation:
        return QString::fromStdString(captions.Confirmation);
    case TMessDlgKind::Warning:
        return QString::fromStdString(captions.Warning);
    case TMessDlgKind::Information:
        return QString::fromStdString(captions.Information);
    case TMessDlgKind::Plain:
        break;
    }
    return QStringLiteral("Information");
}

QImage GradientImage(QSize size, std::int32_t start, std::int32_t end) {
    if (size.isEmpty())
        return {};
    if (start < 0)
        start = 0x00FFFF;
    if (end < 0)
        end = 0xFF00FF;
    const int h = size.height();
    auto channel = [h](std::int32_t from, std::int32_t to, int shift, int y) {
        const int a = (from >> shift) & 0xFF;
        const int b = (to >> shift) & 0xFF;
        const long v = std::lround(a + static_cast<double>(b - a) * y / h);
        return static_cast<int>(std::clamp(v, 0L, 255L));
    };
    QImage image(size, QImage::Format_RGB32);
    // Row h would be the end colour exactly, but it lies one past the picture.
    for (int y = 0; y < h; ++y) {
        const QRgb row =
            qRgb(channel(start, end, 0, y), channel(start, end, 8, y), channel(start, end, 16, y));
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), size.width(), row);
    }
    return image;
}

QStringList ParseCommaText(const QString& text) {
    QStringList items;
    const qsizetype n = text.size();
    auto blank = [&](qsizetype i) { return i < n && text[i] <= u' '; };
    qsizetype i = 0;
    while (blank(i))
        ++i;
    while (i < n) {
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const qsizetype from = i;
            while (i < n && text[i] > u' ' && text[i] != u',')
                ++i;
            item = text.mid(from, i - from);
        }
        items << item;
        while (blank(i))
            ++i;
        if (i < n && text[i] == u',') {
            if (i + 1 == n)
                items << QString();
            do
                ++i;
            while (blank(i));
        }
    }
    return items;
}

namespace {

// The boxes wear the frame's dark metal; the game's warm gradient runs down
// their left edge as a marker stripe, where it sets the box apart without
// fighting the metal around it.
constexpr int kStripeWidth = 6;

void MakeMetal(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, metal::kWindow);
    palette.setColor(QPalette::WindowText, metal::kText);
    palette.setColor(QPalette::Text, metal::kText);
    box->setPalette(palette);
    // The main window's face and size, not the desktop's.
    QFont font("Arial");
    font.setPixelSize(14);
    box->setFont(font);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    // The message stands clear of the stripe.
    box->setContentsMargins(kStripeWidth + 8, 8, 8, 8);
}

void CentreOnScreen(QWidget* box) {
    if (const QScreen* screen = box->screen())
        box->move(screen->availableGeometry().center() - box->rect().center());
}

// Paints the metal and the stripe behind the controls, sized to the box
// however the box ends up laid out.
void PaintBackground(QWidget* box, QImage& cache, const TDlgCaptions& captions) {
    if (cache.size() != box->size()) {
        cache = QImage(box->size(), QImage::Format_RGB32);
        QPainter paint(&cache);
        QLinearGradient metalShade(0, 0, 0, box->height());
        metalShade.setColorAt(0, metal::kFace);
        metalShade.setColorAt(0.18, metal::kWindow);
        metalShade.setColorAt(1, metal::kWell);
        paint.fillRect(cache.rect(), metalShade);
        paint.drawImage(0, 0,
                        GradientImage(QSize(kStripeWidth, box->height()),
                                      static_cast<std::int32_t>(captions.StartColor),
                                      static_cast<std::int32_t>(captions.EndColor)));
        paint.setPen(metal::kEdge);
        // A dark seam round the metal; the stripe keeps its colours to the very edge.
        paint.drawRect(cache.rect().adjusted(kStripeWidth, 0, -1, -1));
        QColor line = metal::kCyan;
        line.setAlpha(110);
        paint.setPen(line);
        paint.drawLine(kStripeWidth + 1, 0, box->width(), 0);
    }
    QPainter(box).drawImage(0, 0, cache);
}

class TMessBox : public QMessageBox {
  public:
    explicit TMessBox(const TDlgCaptions& captions) : captions_(captions) {}

    // Closing by the close box counts as Cancel, whatever the buttons.
    bool closedByBox() const { return closedByBox_; }

  protected:
    void paintEvent(QPaintEvent*) override { PaintBackground(this, background_, captions_); }
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e);
        CentreOnScreen(this);
    }
    void closeEvent(QCloseEvent* e) override {
        if (!clickedButton())
            closedByBox_ = true;
        QMessageBox::closeEvent(e);
    }

  private:
    const TDlgCaptions captions_;
    QImage background_;
    bool closedByBox_ = false;
};

class TChoiceBox : public QDialog {
  public:
    TChoiceBox(const QString& text, const QStringList& items, const TDlgCaptions& captions)
        : captions_(captions) {
        setObjectName("ChoiceDlg");
        setWindowTitle(QString::fromStdString(captions.Input));
        MakeMetal(this);

        auto* label = new QLabel(this);
        label->setObjectName("lblText");
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        list_ = new QListWidget(this);
        list_->setObjectName("lbxChoice");
        list_->addItems(items);
        if (!items.isEmpty())
            list_->setCurrentRow(0);
        auto* ok = new QPushButton(QString::fromStdString(captions.OK), this);
        ok->setObjectName("btnOK");
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

        label->move(kChoiceMargin, kChoiceMargin);
        label->adjustSize();
        if (label->width() > kChoiceLabelMaxWidth) {
            label->setWordWrap(true);
            label->setFixedWidth(kChoiceLabelMaxWidth);
            label->setFixedHeight(label->heightForWidth(kChoiceLabelMaxWidth));
        }
        list_->setGeometry(kChoiceMargin, label->y() + label->height() + kChoiceGap,
                           kChoiceWidth - 3 * kChoiceMargin, kChoiceListHeight);
        const int belowList = list_->y() + list_->height() + kChoiceGap;
        ok->adjustSize();
        ok->move(kChoiceWidth / 2 - ok->width() / 2 - 5, belowList);
        ok->setFocus();
        setFixedSize(kChoiceWidth, list_->y() + list_->height() + 80);
    }

    QString selected() const {
        const QListWidgetItem* item = list_->currentItem();
        return item ? item->text() : QString();
    }

  protected:
    void paintEvent(QPaintEvent*) override { PaintBackground(this, background_, captions_); }
    void showEvent(QShowEvent* e) override {
        QDialog::showEvent(e);
        CentreOnScreen(this);
    }

  private:
    const TDlgCaptions captions_;
    QListWidget* list_ = nullptr;
    QImage background_;
};

} // namespace

bool ShowMessDlg(const QString& text, const QString& caption, const QString& kind, TDlgCaptions& captions) {
    FillDefaultCaptions(captions);
    const TMessDlgKind type = MessDlgKind(kind);

    auto box = std::make_unique<TMessBox>(captions);
    box->setObjectName("MessDlg");
    // Script texts are plain: a "<" in a message is a character, not markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setWindowTitle(MessDlgTitle(caption, type, captions));
    MakeMetal(box.get());
    switch (type) {
    case TMessDlgKind::Confirmation:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case TMessDlgKind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    default:
        box->setIcon(QMessageBox::Information);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    }
    // Our own signs, painted as large as the dialog will be drawn.
    const TMessageSign sign = type == TMessDlgKind::Confirmation ? TMessageSign::Question
                              : type == TMessDlgKind::Warning    ? TMessageSign::Warning
                                                                 : TMessageSign::Information;
    box->setIconPixmap(PaintMessageSign(sign, box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize),
                                        PlayAreaScaleFor(box->parentWidget())));
    for (QAbstractButton* b : box->buttons())
        b->setText(QString::fromStdString(captions.OK));
    if (type == TMessDlgKind::Confirmation) {
        box->button(QMessageBox::Yes)->setText(QString::fromStdString(captions.Yes));
        box->button(QMessageBox::No)->setText(QString::fromStdString(captions.No));
    }

    if (kind.size() != 1) {
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        ShowDialog(*box.release());
        return true;
    }
    ExecDialog(*box);
    const bool no =
        type == TMessDlgKind::Confirmation && box->clickedButton() == box->button(QMessageBox::No);
    return !(no || box->closedByBox());
}

QString ShowChoiceDlg(const QString& text, const QString& commaItems, TDlgCaptions& captions) {
    FillDefaultCaptions(captions);
    TChoiceBox box(text, ParseCommaText(commaItems), captions);
    if (ExecDialog(box) != QDialog::Accepted)
        return {};
    return box.selected();
}

} // namespace veltrane
