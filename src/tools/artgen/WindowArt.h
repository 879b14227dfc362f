#pragma once
// Whole-window pictures of a skin: the browser and card backgrounds and the chooser's preview.

#include <QImage>

#include "SkinStyle.h"

namespace artgen {

constexpr int kMainWindowWidth = 790;  // browser and card window share one size and place
constexpr int kMainWindowHeight = 540;

QImage browserBackground(const SkinStyle& style);  // "browser.jpg"
QImage cardBackground(const SkinStyle& style);     // "card.jpg"
QImage skinPreview(const SkinStyle& style);        // "preview.jpg", 150 x 103

}  // namespace artgen
