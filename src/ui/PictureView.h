#pragma once

#include <QFrame>

class QLabel;

namespace veltrane {

// A page that is one picture on black: the star flight (pnlStarFlight with
// imgStarFlight) and the hyperspace tunnel (pnlTunnel with imgTunnel).
class PictureView : public QFrame {
    Q_OBJECT
  public:
    PictureView(const QString& pageName, const QString& pictureName, QWidget* parent = nullptr);

    QLabel* picture() const { return picture_; }

  private:
    QLabel* picture_;
};

} // namespace veltrane
