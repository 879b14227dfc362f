#pragma once
// The hover switch: one control, shared by all windows, shows an "over" picture at a time.

#include <QString>

class QWidget;

namespace ui {

// Called on every mouse move over an image button (with its "over" picture) and over a skinned
// window's background (with an empty file). Moving within one control reloads nothing.
void sbHover(QWidget* control, const QString& file);

// The control that currently shows its "over" picture, or the window the mouse last moved over.
QWidget* HoveredControl();

// Forgets the hovered control when it is the window or lies inside it, taking its "over" picture
// away; run when a window closes or hides.
void ForgetHovered(QWidget* window);

}  // namespace ui
