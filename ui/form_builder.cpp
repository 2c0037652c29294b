#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "form/form_definition.h"
#include "form/form_texts.h"
#include "model/given_pair.h"
#include "ui/face_button.h"
#include "ui/form_controls.h"
#include "ui/pair_list.h"
#include "ui/qt_text.h"
#include "ui/value_box.h"

namespace rt::ui {

namespace {

QColor ToColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The forms runtime ends lines with CR LF; Qt's editors break at LF alone.
QString DisplayedText(std::string_view text) {
  return ToQString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A back colour fills the control's background role (Button for a check
// box, Window for a label or a frame); a button's colour paints its face.
void Paint(QWidget* widget, ControlKind kind, Rgb rgb) {
  QPalette palette = widget->palette();
  if (kind == ControlKind::Button) {
    palette.setColor(QPalette::Button, ToColor(rgb));
  } else {
    palette.setColor(widget->backgroundRole(), ToColor(rgb));
    palette.setColor(QPalette::Window, ToColor(rgb));
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

QPlainTextEdit* MakeMultiLineBox(const ControlDefinition& def, QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setPlainText(DisplayedText(def.source == TextSource::TaskText ? kTaskText : kQuotation));
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setReadOnly(def.locked);
  // Locked keeps the caret and keyboard selection: the student scrolls with
  // the arrow keys and copies what is useful. Tab leaves the box.
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setTabChangesFocus(true);
  return box;
}

ValueBox* MakeValueBox(const ControlDefinition& def, QWidget* parent) {
  auto* box = new ValueBox(parent);
  box->setLocked(def.locked);
  box->setTypingLimit(def.maxLength);
  return box;
}

QCheckBox* MakeCheckBox(const ControlDefinition& def, QWidget* parent) {
  auto* box = new QCheckBox(ToQString(def.caption), parent);
  box->setFocusPolicy(Qt::NoFocus);  // display only: never takes the focus
  return box;
}

// The check boxes stay disabled, and their squares are drawn greyed, but
// their captions are the only labels of the six value boxes: they keep the
// normal text colour, readable on the frame's blue, instead of the pale grey
// of disabled text.
void KeepCaptionReadable(QCheckBox* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Disabled, QPalette::WindowText,
                   palette.color(QPalette::Active, QPalette::WindowText));
  box->setPalette(palette);
}

QLabel* MakeLabel(const ControlDefinition& def, QWidget* parent) {
  auto* label = new QLabel(ToQString(def.caption), parent);
  label->setAlignment(def.centred ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignTop));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::NoTextInteraction);
  return label;
}

QLabel* MakePicture(QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignCenter);
  // QIcon picks the @2x raster on screens with a pixel ratio above 1.
  const QIcon drawing(QStringLiteral(":/right-triangle/triangle.png"));
  picture->setPixmap(drawing.pixmap(QSize(180, 140), picture->devicePixelRatioF()));
  return picture;
}

PairList* MakePairList(QWidget* parent) {
  auto* list = new PairList(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (const GivenPair& pair : kGivenPairs) list->addItem(ToQString(pair.listText));
  return list;
}

QPushButton* MakeButton(const ControlDefinition& def, QWidget* parent) {
  auto* button = new FaceButton(ToQString(def.caption), parent);
  // Neither is the default or cancel button: Enter and Esc press nothing.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

FormControls BuildControls(QWidget* window) {
  FormControls controls;
  QWidget* previous = nullptr;
  for (const ControlDefinition& def : kControls) {
    QWidget* parent = def.inFrame ? static_cast<QWidget*>(controls.frame1) : window;
    const auto index = static_cast<std::size_t>(std::max(def.index, 0));
    QWidget* widget = nullptr;
    switch (def.kind) {
      case ControlKind::TextBox:
        if (def.multiLine) {
          widget = controls.text1[index] = MakeMultiLineBox(def, parent);
        } else {
          widget = controls.text2[index] = MakeValueBox(def, parent);
        }
        break;
      case ControlKind::Label: widget = controls.label1[index] = MakeLabel(def, parent); break;
      case ControlKind::Frame:
        widget = controls.frame1 = new QGroupBox(ToQString(def.caption), parent);
        break;
      case ControlKind::CheckBox: widget = controls.check1[index] = MakeCheckBox(def, parent); break;
      case ControlKind::ListBox: widget = controls.list1 = MakePairList(parent); break;
      case ControlKind::Button: widget = controls.command1[index] = MakeButton(def, parent); break;
      case ControlKind::PictureBox: widget = controls.picture1 = MakePicture(parent); break;
    }
    widget->setObjectName(QString::fromStdString(ObjectNameOf(def)));
    widget->setAccessibleName(ToQString(def.accessibleName));
    widget->setGeometry(Pixels(def.left), Pixels(def.top), Pixels(def.width), Pixels(def.height));
    if (def.background) {
      Paint(widget, def.kind, *def.background);
    }
    if (def.kind == ControlKind::CheckBox) KeepCaptionReadable(controls.check1[index]);
    widget->setEnabled(def.enabled);
    widget->setVisible(def.visible);
    if (previous != nullptr && widget->focusPolicy() != Qt::NoFocus) QWidget::setTabOrder(previous, widget);
    if (widget->focusPolicy() != Qt::NoFocus) previous = widget;
  }
  return controls;
}

}  // namespace rt::ui
