#pragma once

#include <QPushButton>

namespace rt::ui {

// A button drawn in the forms runtime's graphical style: the whole face is
// filled flat with the palette's Button colour (a style's gradient would turn
// the definition's pure green into a pale one), inside a raised border that
// sinks while the button is pressed, with the dotted focus mark inside the
// face when it has the keyboard focus. Pressing works as on any push button.
class FaceButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rt::ui
