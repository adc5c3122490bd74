#include "WidgetKit.h"

#include "ClickLabel.h"

#include "game/StatusDisplay.h"

#include <QFrame>

namespace veltrane {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, const QRect& where, bool stretched) {
    auto* picture = new TClickLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(where);
    picture->setScaledContents(stretched);
    return picture;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& where) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPalette MetalPalette(QPalette pal) {
    pal.setColor(QPalette::Window, QColor(20, 24, 32));
    pal.setColor(QPalette::WindowText, QColor(200, 235, 245));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 170, 180));
    pal.setColor(QPalette::ButtonText, QColor(208, 232, 240));
    pal.setColor(QPalette::Light, QColor(96, 128, 142));
    pal.setColor(QPalette::Midlight, QColor(70, 92, 104));
    pal.setColor(QPalette::Mid, QColor(36, 46, 56));
    pal.setColor(QPalette::Dark, QColor(12, 16, 22));
    pal.setColor(QPalette::Shadow, QColor(0, 0, 0));
    return pal;
}

void CentreInParent(QWidget* panel) {
    QWidget* parent = panel ? panel->parentWidget() : nullptr;
    if (!parent)
        return;
    const QRect client = parent->contentsRect();
    const TPoint at = CentreOffset(client.width(), client.height(), panel->width(), panel->height());
    panel->move(client.left() + at.X, client.top() + at.Y);
}

} // namespace veltrane
