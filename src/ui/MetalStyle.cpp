#include "MetalStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <tuple>

namespace veltrane {

using namespace metal;

namespace {

struct TFaceLook {
    bool Sunken = false;
    bool Hover = false;
    bool Enabled = true;
    bool Accent = false; // the default button, a pressed-on tab: ringed in cyan
    qreal Radius = 3;
};

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A raised part of dark metal lit from the upper left, with the frame's thin
// cyan line along its top; pressed in, the light comes from below.
void PaintFace(QPainter* p, const QRectF& where, const TFaceLook& look) {
    if (where.width() < 2 || where.height() < 2)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    QColor top = kFaceLight, middle = kFace, bottom = kFaceDark;
    if (!look.Enabled) {
        top = kFace.darker(115);
        middle = kFaceDark;
        bottom = kFaceDark.darker(115);
    } else if (look.Hover && !look.Sunken) {
        top = top.lighter(118);
        middle = middle.lighter(118);
        bottom = bottom.lighter(112);
    }
    if (look.Sunken)
        std::swap(top, bottom);
    const QRectF r = where.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0.0, top);
    shade.setColorAt(0.45, middle);
    shade.setColorAt(1.0, bottom);
    p->setPen(QPen(kEdge, 1));
    p->setBrush(shade);
    p->drawRoundedRect(r, look.Radius, look.Radius);
    if (look.Enabled && !look.Sunken) {
        p->setPen(QPen(WithAlpha(kCyan, look.Hover ? 150 : 90), 1));
        const qreal inset = std::max<qreal>(look.Radius, 2);
        p->drawLine(QPointF(r.left() + inset, r.top() + 1), QPointF(r.right() - inset, r.top() + 1));
    }
    if (look.Accent && look.Enabled) {
        p->setPen(QPen(WithAlpha(kCyan, 200), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRoundedRect(r.adjusted(1, 1, -1, -1), look.Radius, look.Radius);
    }
    p->restore();
}

// A sunken well: lists, slider tracks, scroll bar grooves.
void PaintWell(QPainter* p, const QRect& where, const QColor& fill = kWell) {
    p->save();
    p->fillRect(where, fill);
    p->setPen(kEdge);
    p->drawRect(where.adjusted(0, 0, -1, -1));
    p->setPen(WithAlpha(kCyan, 40));
    p->drawLine(where.left() + 1, where.bottom() - 1, where.right() - 1, where.bottom() - 1);
    p->restore();
}

// A solid triangle pointing along `direction`, centred in `where`.
void PaintArrow(QPainter* p, const QRect& where, Qt::ArrowType direction, const QColor& colour) {
    const qreal size = std::max(3.0, std::min(where.width(), where.height()) * 0.28);
    const QPointF c = QRectF(where).center();
    QPolygonF tri;
    switch (direction) {
    case Qt::UpArrow:
        tri << QPointF(c.x() - size, c.y() + size * 0.55) << QPointF(c.x() + size, c.y() + size * 0.55)
            << QPointF(c.x(), c.y() - size * 0.6);
        break;
    case Qt::DownArrow:
        tri << QPointF(c.x() - size, c.y() - size * 0.55) << QPointF(c.x() + size, c.y() - size * 0.55)
            << QPointF(c.x(), c.y() + size * 0.6);
        break;
    case Qt::LeftArrow:
        tri << QPointF(c.x() + size * 0.55, c.y() - size) << QPointF(c.x() + size * 0.55, c.y() + size)
            << QPointF(c.x() - size * 0.6, c.y());
        break;
    default:
        tri << QPointF(c.x() - size * 0.55, c.y() - size) << QPointF(c.x() - size * 0.55, c.y() + size)
            << QPointF(c.x() + size * 0.6, c.y());
        break;
    }
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(colour);
    p->drawPolygon(tri);
    p->restore();
}

bool IsDefaultButton(const QStyleOption* option) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    return button && (button->features & QStyleOptionButton::DefaultButton);
}

} // namespace

MetalStyle::MetalStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {
    setObjectName("MetalStyle");
}

QPalette MetalStyle::standardPalette() const {
    QPalette pal;
    const auto all = [&pal](QPalette::ColorRole role, const QColor& colour) { pal.setColor(role, colour); };
    all(QPalette::Window, kWindow);
    all(QPalette::WindowText, kText);
    all(QPalette::Base, kWell);
    all(QPalette::AlternateBase, QColor(17, 23, 31));
    all(QPalette::Text, kText);
    all(QPalette::PlaceholderText, kDimText);
    all(QPalette::Button, kFace);
    all(QPalette::ButtonText, kText);
    all(QPalette::BrightText, Qt::white);
    all(QPalette::Light, kFaceLight);
    all(QPalette::Midlight, QColor(62, 76, 88));
    all(QPalette::Mid, QColor(34, 42, 52));
    all(QPalette::Dark, kFaceDark.darker(130));
    all(QPalette::Shadow, Qt::black);
    all(QPalette::Highlight, kSelection);
    all(QPalette::HighlightedText, Qt::white);
    all(QPalette::ToolTipBase, QColor(16, 24, 32));
    all(QPalette::ToolTipText, kText);
    all(QPalette::Link, kCyan);
    all(QPalette::LinkVisited, kCyan.darker(130));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, kDimText);
    pal.setColor(QPalette::Disabled, QPalette::Base, kWindow);
    pal.setColor(QPalette::Disabled, QPalette::Highlight, kFace);
    return pal;
}

void MetalStyle::polish(QPalette& palette) {
    palette = standardPalette();
}

void MetalStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Hover lights buttons, scroll bars and sliders up; the base style asks for it only on some.
    widget->setAttribute(Qt::WA_Hover, true);
}

void MetalStyle::unpolish(QWidget* widget) {
    QProxyStyle::unpolish(widget);
}

void MetalStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    const bool enabled = option->state & State_Enabled;
    switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_PanelButtonTool:
        PaintFace(painter, option->rect,
                  {(option->state & (State_Sunken | State_On)) != 0, (option->state & State_MouseOver) != 0,
                   enabled, IsDefaultButton(option) || (option->state & State_HasFocus) != 0});
        return;
    case PE_FrameDefaultButton:
        return;
    case PE_Frame:
    case PE_FrameLineEdit: {
        // Lists and fields sit in the metal like the info screen: a dark seam, a faint cyan rim.
        const QRect r = option->rect.adjusted(0, 0, -1, -1);
        painter->save();
        painter->setPen(WithAlpha(kCyan, enabled ? 80 : 35));
        painter->drawRect(r);
        painter->setPen(kEdge);
        painter->drawRect(r.adjusted(1, 1, -1, -1));
        painter->restore();
        return;
    }
    case PE_FrameFocusRect:
        // Focus shows as the cyan ring of the face; lists show their selection.
        return;
    case PE_PanelItemViewItem:
        if (option->state & State_Selected) {
            const QRect r = option->rect;
            QLinearGradient shade(r.topLeft(), r.bottomLeft());
            const QColor base = enabled ? kSelection : kFace;
            shade.setColorAt(0, base.lighter(125));
            shade.setColorAt(1, base);
            painter->fillRect(r, shade);
            return;
        }
        if ((option->state & State_MouseOver) && enabled) {
            painter->fillRect(option->rect, WithAlpha(kCyan, 28));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_IndicatorRadioButton: {
        // A round well in the metal with a cyan rim and a lit dot when chosen; painted as a shape,
        // so it stays round and whole on a play area scaled to any size.
        const QRectF r = QRectF(option->rect).adjusted(1, 1, -1, -1);
        const double d = std::min(r.width(), r.height());
        const QRectF circle(r.center() - QPointF(d / 2, d / 2), QSizeF(d, d));
        const bool on = option->state & State_On;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(enabled && (on || (option->state & State_MouseOver))
                                 ? kCyan
                                 : WithAlpha(kCyan, enabled ? 90 : 40),
                             1));
        painter->setBrush(kWell);
        painter->drawEllipse(circle);
        if (on) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(enabled ? kCyan : kDimText);
            painter->drawEllipse(circle.center(), d * 0.24, d * 0.24);
        }
        painter->restore();
        return;
    }
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight: {
        const Qt::ArrowType direction = element == PE_IndicatorArrowUp     ? Qt::UpArrow
                                        : element == PE_IndicatorArrowDown ? Qt::DownArrow
                                        : element == PE_IndicatorArrowLeft ? Qt::LeftArrow
                                                                           : Qt::RightArrow;
        PaintArrow(painter, option->rect, direction, enabled ? kCyan : kDimText);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MetalStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const bool enabled = option->state & State_Enabled;
    switch (element) {
    case CE_PushButtonBevel:
        drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return;
    case CE_HeaderSection: {
        const bool sunken = option->state & State_Sunken;
        PaintFace(painter, option->rect, {sunken, false, enabled, false, 0});
        return;
    }
    case CE_HeaderEmptyArea:
        PaintFace(painter, option->rect, {false, false, enabled, false, 0});
        return;
    case CE_TabBarTabShape: {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (!tab)
            break;
        const bool selected = tab->state & State_Selected;
        QRect r = tab->rect;
        if (!selected)
            r.adjust(0, 3, 0, 0);
        PaintFace(painter, r.adjusted(0, 0, 0, 4),
                  {false, (tab->state & State_MouseOver) != 0, enabled, selected});
        if (!selected) {
            painter->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), kEdge);
        }
        return;
    }
    case CE_ProgressBarContents: {
        const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
        if (!bar || bar->maximum <= bar->minimum)
            break;
        const double share = double(bar->progress - bar->minimum) / double(bar->maximum - bar->minimum);
        QRect r = option->rect.adjusted(1, 1, -1, -1);
        r.setWidth(static_cast<int>(r.width() * std::clamp(share, 0.0, 1.0)));
        if (r.width() > 0) {
            QLinearGradient shade(r.topLeft(), r.bottomLeft());
            shade.setColorAt(0, kCyan);
            shade.setColorAt(1, kSelection);
            painter->fillRect(r, shade);
        }
        return;
    }
    case CE_ProgressBarGroove:
        PaintWell(painter, option->rect);
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MetalStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    switch (control) {
    case CC_ScrollBar:
        drawScrollBar(option, painter, widget);
        return;
    case CC_Slider:
        drawSlider(option, painter, widget);
        return;
    default:
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
}

void MetalStyle::drawScrollBar(const QStyleOptionComplex* option, QPainter* painter,
                               const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!bar) {
        QProxyStyle::drawComplexControl(CC_ScrollBar, option, painter, widget);
        return;
    }
    const bool enabled = bar->state & State_Enabled;
    const bool horizontal = bar->orientation == Qt::Horizontal;
    PaintWell(painter, bar->rect);

    const bool canMove = enabled && bar->maximum > bar->minimum;
    const auto partLook = [&](SubControl part) {
        const bool active = bar->activeSubControls & part;
        return TFaceLook{active && (bar->state & State_Sunken), active && (bar->state & State_MouseOver),
                         canMove, false, 2};
    };
    const QRect sub = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSubLine, widget);
    const QRect add = subControlRect(CC_ScrollBar, bar, SC_ScrollBarAddLine, widget);
    const QRect handle = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    for (const auto& [rect, part, direction] :
         {std::tuple{sub, SC_ScrollBarSubLine, horizontal ? Qt::LeftArrow : Qt::UpArrow},
          std::tuple{add, SC_ScrollBarAddLine, horizontal ? Qt::RightArrow : Qt::DownArrow}}) {
        if (rect.isEmpty())
            continue;
        PaintFace(painter, rect.adjusted(1, 1, -1, -1), partLook(part));
        PaintArrow(painter, rect, direction, canMove ? kCyan : kDimText);
    }
    if (!handle.isEmpty() && canMove) {
        const QRect grip = handle.adjusted(1, 1, -1, -1);
        PaintFace(painter, grip, partLook(SC_ScrollBarSlider));
        // Three short ridges in the middle of the handle to take hold of.
        painter->save();
        painter->setPen(WithAlpha(kCyan, 120));
        const QPoint c = grip.center();
        for (int i = -1; i <= 1; ++i) {
            if (horizontal)
                painter->drawLine(c.x() + 3 * i, c.y() - 3, c.x() + 3 * i, c.y() + 3);
            else
                painter->drawLine(c.x() - 3, c.y() + 3 * i, c.x() + 3, c.y() + 3 * i);
        }
        painter->restore();
    }
}

void MetalStyle::drawSlider(const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!slider) {
        QProxyStyle::drawComplexControl(CC_Slider, option, painter, widget);
        return;
    }
    const bool enabled = slider->state & State_Enabled;
    const bool horizontal = slider->orientation == Qt::Horizontal;
    const QRect groove = subControlRect(CC_Slider, slider, SC_SliderGroove, widget);
    const QRect handle = subControlRect(CC_Slider, slider, SC_SliderHandle, widget);
    constexpr int kTrack = 6;
    QRect track = horizontal ? QRect(groove.left(), groove.center().y() - kTrack / 2, groove.width(), kTrack)
                             : QRect(groove.center().x() - kTrack / 2, groove.top(), kTrack, groove.height());
    PaintWell(painter, track);
    // The part already chosen glows cyan up to the handle.
    QRect filled = track.adjusted(1, 1, -1, -1);
    if (horizontal)
        filled.setRight(slider->upsideDown ? filled.right() : handle.center().x());
    else
        filled.setTop(slider->upsideDown ? filled.top() : handle.center().y());
    if (enabled && filled.isValid()) {
        QLinearGradient shade(filled.topLeft(), horizontal ? filled.bottomLeft() : filled.topRight());
        shade.setColorAt(0, kCyan);
        shade.setColorAt(1, kSelection);
        painter->fillRect(filled, shade);
    }
    if (slider->subControls & SC_SliderHandle) {
        const bool active = slider->activeSubControls & SC_SliderHandle;
        PaintFace(painter, handle.adjusted(1, 1, -1, -1),
                  {active && (slider->state & State_Sunken), active && (slider->state & State_MouseOver),
                   enabled, (slider->state & State_HasFocus) != 0, 3});
        painter->save();
        painter->setPen(WithAlpha(enabled ? kCyan : kDimText, 170));
        const QPoint c = handle.center();
        if (horizontal)
            painter->drawLine(c.x(), handle.top() + 5, c.x(), handle.bottom() - 5);
        else
            painter->drawLine(handle.left() + 5, c.y(), handle.right() - 5, c.y());
        painter->restore();
    }
}

int MetalStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_ScrollBarExtent:
        return 16;
    case PM_ScrollBarSliderMin:
        return 24;
    case PM_SliderLength:
        return 14;
    case PM_SliderThickness:
        return 22;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 1; // a pressed face sinks a pixel
    case PM_ToolTipLabelFrameWidth:
        return 5; // a tip's text keeps off its border
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int MetalStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_ScrollBar_Transient:
        return 0; // the bars stay, the player should see what more a list holds
    case SH_UnderlineShortcut:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void InstallMetalStyle(QApplication& app) {
    if (qobject_cast<MetalStyle*>(QApplication::style()))
        return;
    auto* style = new MetalStyle; // the application owns it
    QApplication::setStyle(style);
    app.setPalette(style->standardPalette());
}

} // namespace veltrane
