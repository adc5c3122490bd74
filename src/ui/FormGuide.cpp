#include "FormGuide.h"

#include "DialogScaler.h"
#include "Pictures.h"
#include "lang/GuideTexts.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBrowser>
#include <QTextFrame>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace veltrane {

namespace {

// Every chapter picture has this size; the game's pictures are fitted into it.
constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 150;

// Deep space blue-black, light text, thin cyan highlights.
constexpr const char* kPageStyle =
    "QTextBrowser { background: #090d18; color: #d9e3ef; border: 1px solid #2a8fb0; padding: 4px; }"
    "QScrollBar:vertical { background: #0d1422; width: 12px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #2a8fb0; min-height: 28px; border-radius: 5px; margin: 1px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

// Lines longer than this are hard to follow: on a wide guide the text stays a column in the middle.
constexpr int kMaxColumnWidth = 980;

QString Html(const ITextSource& script, const TTextEntry& entry) {
    return QString::fromStdString(Lookup(script, entry)).toHtmlEscaped();
}

// `picture` scaled to cover `area` and cropped to it, the middle kept.
void Cover(QPainter& painter, const QImage& picture, const QRect& area) {
    if (picture.isNull())
        return;
    const QImage scaled =
        picture.scaled(area.size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QPoint offset((scaled.width() - area.width()) / 2, (scaled.height() - area.height()) / 2);
    painter.drawImage(area.topLeft(), scaled, QRect(offset, area.size()));
}

// `picture` scaled to fit `area` without cropping, centred in it.
void Fit(QPainter& painter, const QImage& picture, const QRect& area) {
    if (picture.isNull())
        return;
    const QImage scaled = picture.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(area.center() - QPoint(scaled.width() / 2, scaled.height() / 2), scaled);
}

struct TChapter {
    const char* Name;
    const TTextEntry* Title;
    const TTextEntry* Text;
};

const TChapter kChapters[] = {
    {"goal", &texts::GoalTitle, &texts::GoalText},
    {"map", &texts::MapTitle, &texts::MapText},
    {"flight", &texts::FlightTitle, &texts::FlightText},
    {"scan", &texts::ScanTitle, &texts::ScanText},
    {"land", &texts::LandTitle, &texts::LandText},
    {"city", &texts::CityTitle, &texts::CityText},
    {"hq", &texts::HqTitle, &texts::HqText},
    {"sector", &texts::SectorTitle, &texts::SectorText},
};

struct TKeyLine {
    const char* Keys;
    const TTextEntry* Text;
};

const TKeyLine kKeys[] = {
    {"M", &texts::KeyMap},
    {"S", &texts::KeySystem},
    {"O", &texts::KeyOrder},
    {"N", &texts::KeyNavigator},
    {"C", &texts::KeySector},
    {"F2, Ctrl+O", &texts::KeyOptions},
    {"Ctrl+S", &texts::KeySaved},
    {"F1", &texts::KeyGuide},
    {"\u2190 \u2191 \u2192 \u2193, Enter", &texts::KeyArrows},
};

} // namespace

FormGuide::FormGuide(TGame& game, TLoader loader, QWidget* parent, const ITextSource* script)
    : QDialog(parent), game_(game), loader_(std::move(loader)), script_(script ? *script : game.Script()) {
    setObjectName("FormGuide");
    if (!loader_)
        loader_ = [](const std::string& relative, bool transparent) -> std::optional<QImage> {
            Result<QImage> picture =
                LoadPicture(relative, transparent ? TTransparency::Fuchsia : TTransparency::Opaque);
            return picture ? std::optional<QImage>(*picture) : std::nullopt;
        };
    QFont font("Arial");
    font.setPixelSize(15);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x14, 0x19, 0x24));
    pal.setColor(QPalette::WindowText, QColor(0xd9, 0xe3, 0xef));
    setPalette(pal);
    setAutoFillBackground(true);

    text_ = new QTextBrowser(this);
    text_->setObjectName("txtGuide");
    text_->setStyleSheet(kPageStyle);
    text_->setOpenLinks(true); // the contents lead to the chapters on the same page
    text_->setOpenExternalLinks(false);
    close_ = new QPushButton(this);
    close_->setObjectName("btnClose");
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);

    // Most of the window it belongs to, but never smaller than a readable page.
    const QWidget* over = parent ? parent->window() : nullptr;
    const QSize room = over ? over->size() / PlayAreaScaleFor(over) : QSize(1024, 768);
    resize(std::clamp(room.width() * 85 / 100, 640, 1000), std::clamp(room.height() * 85 / 100, 480, 760));
    setMinimumSize(560, 400);
    Fill();
}

QImage FormGuide::Load(const std::string& relative, bool transparent) const {
    const std::optional<QImage> picture = loader_(relative, transparent);
    return picture ? *picture : QImage();
}

QImage FormGuide::Illustration(const QString& chapter) const {
    QImage canvas(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    canvas.fill(QColor(0x05, 0x08, 0x12));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect all = canvas.rect();
    bool drawn = false;
    const auto back = [&](const std::string& relative) {
        const QImage picture = Load(relative);
        Cover(painter, picture, all);
        drawn = drawn || !picture.isNull();
    };
    const auto put = [&](const std::string& relative, const QRect& area, bool transparent = true) {
        const QImage picture = Load(relative, transparent);
        Fit(painter, picture, area);
        drawn = drawn || !picture.isNull();
    };
    if (chapter == "goal") {
        back("Pics/SystemBg.jpg");
        put("Pics/Seroship.bmp", QRect(45, 8, 150, 80));
        for (int i = 0; i < 4; ++i)
            put("Artefacts/artefact" + std::to_string(12 + 23 * i) + ".bmp", QRect(22 + 52 * i, 98, 40, 41));
    } else if (chapter == "map") {
        back("Pics/SectorA1.jpg");
        // A few systems as the map marks them, the ship's own ringed.
        const QPoint stars[] = {{30, 28},   {74, 60},  {120, 22},  {168, 52}, {208, 30}, {48, 104},
                                {100, 118}, {150, 96}, {196, 124}, {220, 84}, {18, 70},  {132, 136}};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < std::size(stars); ++i) {
            painter.setBrush(i % 3 == 0 ? QColor(0xff, 0xe0, 0x8a) : QColor(0xe8, 0xf0, 0xff));
            painter.drawEllipse(stars[i], 3, 3);
        }
        painter.setPen(QPen(QColor(0x7f, 0xe3, 0xff), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(stars[7], 8, 8);
    } else if (chapter == "flight") {
        back("Pics/bg2.jpg");
        put("Pics/ship3.bmp", QRect(60, 45, 120, 60));
    } else if (chapter == "scan") {
        back("Pics/SystemBg.jpg");
        // Only the round planets, not the space of their own pictures.
        const auto planet = [&](const std::string& relative, const QRect& area) {
            QPainterPath round;
            round.addEllipse(QRectF(area).adjusted(area.width() * 0.08, area.height() * 0.08,
                                                   -area.width() * 0.08, -area.height() * 0.08));
            painter.setClipPath(round);
            put(relative, area, false);
            painter.setClipping(false);
        };
        planet("Planets/planet4.jpg", QRect(6, 40, 70, 70));
        planet("Planets/planet9.jpg", QRect(84, 30, 80, 80));
        planet("Planets/planet15.jpg", QRect(172, 46, 60, 60));
    } else if (chapter == "land") {
        back("Landscapes/type4/landscape3.jpg");
        put("Pics/city2.bmp", QRect(140, 88, 90, 56));
        put("Artefacts/artefact50.bmp", QRect(30, 100, 40, 41));
        put("Pics/powerup.bmp", QRect(82, 100, 40, 41));
    } else if (chapter == "city") {
        back("Cities/city5.jpg");
        put("Aliens/alien7.jpg", QRect(170, 80, 64, 64), false);
    } else if (chapter == "hq") {
        back("Pics/Sun.jpg");
        put("Pics/Seroship.bmp", QRect(70, 60, 160, 80));
    } else if (chapter == "sector") {
        back("Pics/tunnel2.bmp");
    }
    painter.end();
    return drawn ? canvas : QImage();
}

bool FormGuide::AddPicture(const QString& name, const QImage& picture) {
    if (picture.isNull())
        return false;
    text_->document()->addResource(QTextDocument::ImageResource, QUrl("guide:" + name), picture);
    ++pictures_;
    return true;
}

void FormGuide::Fill() {
    const ITextSource& script = script_;
    setWindowTitle(QString::fromStdString(Lookup(script, texts::GuideTitle)));
    close_->setText(QString::fromStdString(Lookup(script, texts::GuideClose)));

    QString html = "<html><body style=\"font-family: Arial; font-size: 15px;\">";
    html += "<h1 style=\"color: #7fe3ff;\">" + Html(script, texts::GuideTitle) + "</h1>";
    html += "<p style=\"color: #8fa3b8;\">" + Html(script, texts::GuideContents) + ": ";
    QStringList contents;
    for (const TChapter& chapter : kChapters)
        contents << QString("<a href=\"#%1\" style=\"color: #5fd0f5;\">%2</a>")
                        .arg(chapter.Name, Html(script, *chapter.Title));
    contents << "<a href=\"#keys\" style=\"color: #5fd0f5;\">" + Html(script, texts::KeysTitle) + "</a>";
    html += contents.join(" &middot; ") + "</p>";

    for (const TChapter& chapter : kChapters) {
        const QString name = chapter.Name;
        html += "<a name=\"" + name + "\"></a>";
        html += "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"8\" style=\"margin-top: 10px;\"><tr>";
        if (AddPicture(name, Illustration(name)))
            html +=
                QString(
                    "<td width=\"%1\" valign=\"top\"><img src=\"guide:%2\" width=\"%1\" height=\"%3\"></td>")
                    .arg(kPictureWidth)
                    .arg(name)
                    .arg(kPictureHeight);
        html += "<td valign=\"top\"><h2 style=\"color: #7fe3ff; margin-top: 0;\">" +
                Html(script, *chapter.Title) + "</h2><p style=\"line-height: 130%;\">" +
                Html(script, *chapter.Text) + "</p></td></tr></table>";
    }

    html += "<a name=\"keys\"></a><h2 style=\"color: #7fe3ff;\">" + Html(script, texts::KeysTitle) + "</h2>";
    html += "<table cellspacing=\"0\" cellpadding=\"4\">";
    for (const TKeyLine& key : kKeys)
        html += "<tr><td style=\"color: #7fe3ff; padding-right: 16px;\"><b>" +
                QString::fromUtf8(key.Keys).toHtmlEscaped() + "</b></td><td>" + Html(script, *key.Text) +
                "</td></tr>";
    html += "</table><p style=\"color: #8fa3b8;\">" + Html(script, texts::TipsText) + "</p></body></html>";
    text_->setHtml(html);
}

void FormGuide::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    QTextFrameFormat frame = text_->document()->rootFrame()->frameFormat();
    const qreal side = std::max(4, (text_->viewport()->width() - kMaxColumnWidth) / 2);
    if (frame.leftMargin() != side) {
        frame.setLeftMargin(side);
        frame.setRightMargin(side);
        text_->document()->rootFrame()->setFrameFormat(frame);
    }
}

void FormGuide::Run() {
    // The game clock stands still while the captain reads; it goes on as it was.
    ITimePort& time = game_.Ctx().Time;
    const bool running = time.TimerRunning(TTimer::Main);
    time.StopTimer(TTimer::Main);
    text_->setFocus();
    ExecDialog(*this);
    if (running)
        time.StartTimer(TTimer::Main);
    // Back to the window it was opened from, so its keys work at once.
    if (QWidget* owner = parentWidget()) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
}

} // namespace veltrane
