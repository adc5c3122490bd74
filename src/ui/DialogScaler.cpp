#include "DialogScaler.h"

#include "PlayAreaScaler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>

namespace veltrane {

namespace {

// The window a dialog belongs to, which keeps its larger window above it.
QWidget* OwnerWindow(const QDialog& dialog) {
    if (const QWidget* parent = dialog.parentWidget())
        return parent->window();
    return QApplication::activeWindow();
}

} // namespace

int PlayAreaScaleFor(const QWidget* widget) {
    if (widget == nullptr)
        widget = QApplication::activeWindow();
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QWidget* window = widget->window();
        if (const QVariant marked = window->property(kPlayAreaScaleProperty); marked.isValid())
            return marked.toInt();
        widget = window;
    }
    return 1;
}

TScaledDialogHost::TScaledDialogHost(QDialog& dialog, int scale)
    : QWidget(OwnerWindow(dialog), Qt::Dialog), dialog_(&dialog), parent_(dialog.parentWidget()),
      flags_(dialog.windowFlags()), scale_(scale) {
    setObjectName("ScaledDialogHost");
    setProperty(kPlayAreaScaleProperty, scale);
    setWindowTitle(dialog.windowTitle());
    setWindowModality(dialog.isModal() ? Qt::ApplicationModal : Qt::NonModal);

    scene_ = new QGraphicsScene(this);
    view_ = new QGraphicsView(scene_, this);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    view_->scale(scale, scale);

    // A proxy takes only a widget without a parent; the dialog's own font and
    // palette stay as they were.
    const QFont font = dialog.font();
    const QPalette palette = dialog.palette();
    dialog.setParent(nullptr, flags_);
    dialog.setProperty(kPlayAreaScaleProperty, scale);
    proxy_ = scene_->addWidget(&dialog);
    proxy_->setFont(font);
    proxy_->setPalette(palette);
    // A dialog sizes itself as it is shown (a message box to its text) and may
    // move itself about: the window follows.
    connect(proxy_, &QGraphicsWidget::geometryChanged, this, &TScaledDialogHost::Fit);
    dialog.installEventFilter(this);
    // Keys go where the dialog's own focus is, through the view.
    setFocusProxy(view_);
    proxy_->setFocus();
    Fit();
}

TScaledDialogHost::~TScaledDialogHost() {
    if (!dialog_)
        return; // it deleted itself, and its proxy with it
    dialog_->removeEventFilter(this);
    if (proxy_)
        proxy_->setWidget(nullptr);
    dialog_->setProperty(kPlayAreaScaleProperty, QVariant());
    dialog_->setParent(parent_, flags_);
}

void TScaledDialogHost::Fit() {
    if (!proxy_)
        return;
    const QRectF area = proxy_->geometry();
    view_->setSceneRect(area);
    const QSize size = (area.size() * scale_).toSize();
    view_->setGeometry(QRect(QPoint(0, 0), size));
    resize(size);
    // Over the middle of the window it belongs to, or of the screen.
    const QWidget* over = parentWidget();
    QRect frame = over ? over->geometry() : QRect();
    if (frame.isEmpty() && screen())
        frame = screen()->availableGeometry();
    move(frame.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TScaledDialogHost::closeEvent(QCloseEvent* event) {
    if (dialog_ && dialog_->isVisible()) {
        event->ignore();
        dialog_->close(); // hides us in turn
        return;
    }
    QWidget::closeEvent(event);
}

bool TScaledDialogHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dialog_) {
        if (event->type() == QEvent::Hide) {
            hide();
            if (endWithDialog_)
                deleteLater();
        } else if (event->type() == QEvent::WindowTitleChange)
            setWindowTitle(dialog_->windowTitle());
    }
    return QWidget::eventFilter(watched, event);
}

int ExecDialog(QDialog& dialog) {
    const int scale = PlayAreaScaleFor(dialog.parentWidget());
    if (scale <= 1)
        return dialog.exec();
    dialog.setModal(true);
    TScaledDialogHost host(dialog, scale);
    host.show();
    host.activateWindow();
    return dialog.exec();
}

void ShowDialog(QDialog& dialog) {
    const int scale = PlayAreaScaleFor(dialog.parentWidget());
    if (scale <= 1) {
        dialog.show();
        return;
    }
    auto* host = new TScaledDialogHost(dialog, scale);
    host->EndWithDialog();
    host->show();
    dialog.show();
}

} // namespace veltrane
