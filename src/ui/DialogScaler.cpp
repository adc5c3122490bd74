#include "DialogScaler.h"

#include "PlayAreaScaler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPointer>
#include <QScreen>

#include <cmath>
#include <vector>

namespace veltrane {

namespace {

// The window a dialog belongs to, which keeps its larger window above it.
// The window a dialog without a parent belongs to: the active one. Between
// one dialog closing and the window system activating its owner again none is
// active; the game's window, the one that scales a play area, takes it then.
QWidget* DefaultOwner() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->property(kPlayAreaScaleProperty).isValid() &&
            !top->graphicsProxyWidget() && dynamic_cast<TScaledDialogHost*>(top) == nullptr)
            return top;
    return nullptr;
}

QWidget* OwnerWindow(const QDialog& dialog) {
    if (const QWidget* parent = dialog.parentWidget())
        return parent->window();
    return DefaultOwner();
}

// The top-level window that takes the keys for `widget`: a dialog drawn in a
// graphics view takes them through the view's window.
QWidget* KeyWindow(QWidget* widget) {
    if (widget == nullptr)
        return nullptr;
    QWidget* window = widget->window();
    if (const QGraphicsProxyWidget* proxy = window->graphicsProxyWidget())
        if (proxy->scene() && !proxy->scene()->views().isEmpty())
            return proxy->scene()->views().front()->window();
    return window;
}

// Remembers who had the keys when a dialog opened and hands them back when it
// has ended. A window manager may or may not activate the owner again on its
// own, and without one nobody does.
class TKeysReturn {
  public:
    // The owner and the windows it belongs to in turn: a dialog opened as
    // another one was closing may find that one still active, and gone after.
    explicit TKeysReturn(const QDialog& dialog) : focus_(QApplication::focusWidget()) {
        for (QWidget* window = KeyWindow(OwnerWindow(dialog)); window != nullptr;
             window = KeyWindow(window->parentWidget()))
            windows_.emplace_back(window);
    }

    void operator()() const {
        for (const QPointer<QWidget>& window : windows_) {
            if (!window || !window->isVisible())
                continue;
            window->activateWindow();
            if (focus_ && focus_->isVisible() && focus_->window() == window)
                focus_->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }

  private:
    std::vector<QPointer<QWidget>> windows_;
    QPointer<QWidget> focus_;
};

} // namespace

double PlayAreaScaleFor(const QWidget* widget) {
    if (widget == nullptr)
        widget = DefaultOwner();
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QWidget* window = widget->window();
        if (const QVariant marked = window->property(kPlayAreaScaleProperty); marked.isValid())
            return marked.toDouble();
        widget = window;
    }
    return 1;
}

TScaledDialogHost::TScaledDialogHost(QDialog& dialog, double scale)
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
    // Pictures blend at a factor between whole steps, as the play area's do.
    view_->setRenderHint(QPainter::SmoothPixmapTransform, scale != std::floor(scale));
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
    // Keys go where the dialog's own focus is, through the view. A drop-down
    // list closing takes the scene's focus along; the next key brings it back
    // to the dialog, or Enter and Escape would reach nothing until a click.
    setFocusProxy(view_);
    proxy_->setFocus();
    view_->installEventFilter(this);
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
    if (watched == view_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && proxy_ &&
        scene_->focusItem() == nullptr)
        proxy_->setFocus(Qt::OtherFocusReason);
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
    const TKeysReturn keysBack(dialog);
    const double scale = PlayAreaScaleFor(dialog.parentWidget());
    int result = 0;
    if (scale <= 1) {
        result = dialog.exec();
    } else {
        dialog.setModal(true);
        TScaledDialogHost host(dialog, scale);
        host.show();
        host.activateWindow();
        result = dialog.exec();
    }
    keysBack();
    return result;
}

void ShowDialog(QDialog& dialog) {
    QObject::connect(&dialog, &QDialog::finished, &dialog, [keysBack = TKeysReturn(dialog)] { keysBack(); });
    const double scale = PlayAreaScaleFor(dialog.parentWidget());
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
