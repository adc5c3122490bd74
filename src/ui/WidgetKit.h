#pragma once

// Small helpers the window's panels share to build their named controls.

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace veltrane {

// Item data roles standing in for the state index and image index of list
// and tree items.
inline constexpr int kStateIndexRole = Qt::UserRole + 1;
inline constexpr int kImageIndexRole = Qt::UserRole + 2;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& where);
QLabel* MakePicture(QWidget* parent, const char* name, const QRect& where, bool stretched = false);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& where);

// The frame's dark metal: bevels in its own tones rather than the desktop's white and grey.
QPalette MetalPalette(QPalette base);

// Centres `panel` in its parent's client area: left = (client width div 2) -
// (panel width div 2), top likewise.
void CentreInParent(QWidget* panel);

} // namespace veltrane
