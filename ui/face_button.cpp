#include "ui/face_button.h"

#include <QPainter>

namespace rt::ui {
namespace {

// One line of a bevel: `light` on the top and left edges, `dark` on the
// bottom and right ones.
void DrawBevel(QPainter& painter, QRect rect, const QColor& light, const QColor& dark) {
  painter.setPen(light);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(dark);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

}  // namespace

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QPalette& colours = palette();
  const QColor face = colours.color(QPalette::Button);
  const bool sunk = isDown();
  QRect rect = this->rect();

  painter.fillRect(rect, face);
  // A black outline keeps the button's edge visible against any background;
  // the bevel inside it is drawn in shades of the face itself.
  DrawBevel(painter, rect, Qt::black, Qt::black);
  rect.adjust(1, 1, -1, -1);
  if (sunk) {
    DrawBevel(painter, rect, face.darker(180), face.lighter(130));
  } else {
    DrawBevel(painter, rect, face.lighter(160), face.darker(180));
    DrawBevel(painter, rect.adjusted(1, 1, -1, -1), face, face.darker(130));
  }

  QRect label = this->rect();
  if (sunk) label.translate(1, 1);
  painter.setPen(colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.setFont(font());
  painter.drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, text());

  if (hasFocus()) {
    // The dotted mark of the classic look: Fusion's own focus frame is a soft
    // blue halo that vanishes on a saturated face.
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(this->rect().adjusted(4, 4, -5, -5));
  }
}

}  // namespace rt::ui
