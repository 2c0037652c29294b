// The yardstick for start-up: a bare Qt Widgets program with the same
// twenty-one controls, texts, colours, font, style and picture as
// right-triangle, built with plain Qt widgets and no logic at all.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>

#include "form/form_definition.h"
#include "form/form_texts.h"
#include "model/given_pair.h"
#include "ui/qt_text.h"

namespace {

QWidget* Make(const rt::ControlDefinition& def, QWidget* parent) {
  using rt::ControlKind;
  switch (def.kind) {
    case ControlKind::TextBox:
      if (def.multiLine) {
        return new QPlainTextEdit(
            rt::ui::ToQString(def.source == rt::TextSource::TaskText ? rt::kTaskText : rt::kQuotation),
            parent);
      }
      return new QLineEdit(parent);
    case ControlKind::Label: return new QLabel(rt::ui::ToQString(def.caption), parent);
    case ControlKind::Frame: return new QGroupBox(rt::ui::ToQString(def.caption), parent);
    case ControlKind::CheckBox: return new QCheckBox(rt::ui::ToQString(def.caption), parent);
    case ControlKind::Button: return new QPushButton(rt::ui::ToQString(def.caption), parent);
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      for (const rt::GivenPair& pair : rt::kGivenPairs) list->addItem(rt::ui::ToQString(pair.listText));
      return list;
    }
    case ControlKind::PictureBox: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(QPixmap(QStringLiteral(":/bare/triangle.png")));
      return picture;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QWidget window;
  window.setFixedSize(481, 424);
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 255));
  window.setPalette(palette);
  QWidget* frame = nullptr;
  for (const rt::ControlDefinition& def : rt::kControls) {
    QWidget* widget = Make(def, def.inFrame ? frame : &window);
    if (def.kind == rt::ControlKind::Frame) frame = widget;
    widget->setGeometry(def.left / 15, def.top / 15, def.width / 15, def.height / 15);
    if (def.background) {
      QPalette p = widget->palette();
      p.setColor(QPalette::Window, QColor(def.background->red, def.background->green, def.background->blue));
      widget->setPalette(p);
      widget->setAutoFillBackground(true);
    }
    widget->setVisible(def.visible);
    widget->setEnabled(def.enabled);
  }
  window.show();
  return QApplication::exec();
}
