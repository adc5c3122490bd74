#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

namespace veltrane {

// A dialog over a play area drawn larger is drawn larger too, by the same
// factor, so it is not a postage stamp in the middle of a big screen: it
// lives as a proxy in a graphics view, as the play area does, inside a window
// of its own that much larger. Up to scale 1 (the standard window as it
// opens, a window made smaller) dialogs are shown as they are.
//
// Either way, when a dialog ends the keys go back to the window it was
// opened from and to the control that had them there, so the window's
// command keys work at once after Escape, without a click.

// The play area's scale of the window `widget` belongs to, or of the active
// window when it belongs to none; dialogs opened from a scaled dialog follow
// it. 1 when nothing is scaled.
double PlayAreaScaleFor(const QWidget* widget);

// QDialog::exec(), scaled like the window the dialog belongs to.
int ExecDialog(QDialog& dialog);
// show() for a dialog that is not modal, scaled likewise. A dialog that
// deletes itself on close takes its larger window along.
void ShowDialog(QDialog& dialog);

// The window that holds a scaled dialog while it is shown. Closing it (the
// window manager's close button) closes the dialog, as the dialog's own would.
class TScaledDialogHost : public QWidget {
  public:
    TScaledDialogHost(QDialog& dialog, double scale);
    ~TScaledDialogHost() override;

    QDialog* Dialog() const { return dialog_; }
    // A dialog shown without a loop of its own: the window goes when it is hidden.
    void EndWithDialog() { endWithDialog_ = true; }
    QGraphicsView* View() const { return view_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fit();

    QPointer<QDialog> dialog_;
    QPointer<QWidget> parent_;
    Qt::WindowFlags flags_;
    double scale_;
    bool endWithDialog_ = false;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QPointer<QGraphicsProxyWidget> proxy_;
};

} // namespace veltrane
