#pragma once

// The game's one look for every stock control: buttons, lists, headers,
// sliders, scroll bars, tabs and the message boxes are drawn in the dark
// metal and thin cyan of the window frame instead of the desktop's white and
// grey. Installed once for the whole application, before the first window.

#include <QColor>
#include <QProxyStyle>

class QApplication;

namespace veltrane {

// The frame's colours, for the few places that paint by hand.
namespace metal {
inline const QColor kFace(44, 54, 64);        // a raised metal face
inline const QColor kFaceLight(84, 100, 112); // its lit upper edge
inline const QColor kFaceDark(24, 30, 38);    // its shaded lower edge
inline const QColor kEdge(8, 11, 15);         // the dark seam around a part
inline const QColor kWell(11, 15, 21);        // sunken wells: lists, grooves, fields
inline const QColor kWindow(22, 28, 36);      // dialog and panel backgrounds
inline const QColor kText(208, 232, 240);     // text on metal
inline const QColor kDimText(118, 136, 146);  // text of a switched-off control
inline const QColor kCyan(64, 200, 230);      // the frame's highlight lines
inline const QColor kSelection(22, 110, 136); // a selected row
} // namespace metal

class MetalStyle : public QProxyStyle {
    Q_OBJECT
  public:
    MetalStyle();

    QPalette standardPalette() const override;
    void polish(QPalette& palette) override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

  private:
    void drawScrollBar(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
    void drawSlider(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
};

// Makes the metal look the application's style and palette; a second call changes nothing.
void InstallMetalStyle(QApplication& app);

} // namespace veltrane
