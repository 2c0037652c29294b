#pragma once

namespace rt::ui {

// The look the window is designed for, the same on every platform: the
// Fusion style, and a metric-compatible serif with Cyrillic glyphs wherever
// Times New Roman is missing (never a fallback to a sans font). Call it once
// the QApplication exists.
void ApplyApplicationLook();

}  // namespace rt::ui
