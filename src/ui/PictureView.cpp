#include "PictureView.h"

#include <QLabel>

namespace veltrane {

PictureView::PictureView(const QString& pageName, const QString& pictureName, QWidget* parent)
    : QFrame(parent) {
    setObjectName(pageName);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    picture_ = new QLabel(this);
    picture_->setObjectName(pictureName);
    picture_->setGeometry(0, 0, 817, 450);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setScaledContents(true);
}

} // namespace veltrane
