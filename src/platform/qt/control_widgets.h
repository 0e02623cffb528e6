#pragma once
// The widgets that draw the table's controls. Each one follows its plain control; the table
// view places them in pixels and hands their mouse input back to the control in twips.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "platform/check_box.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/push_button.h"
#include "platform/shape.h"

namespace plat::qt {

class TableView;

// A tile half or a preview half: its picture, stretched; the mouse goes to the image's handlers.
class ImageWidget : public QWidget {
  public:
    ImageWidget(TableView& view, Image& image, QWidget* parent);
    void applyPointer();  // the pointer over the image, drawn for the table's present scale

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    MouseEvent toEvent(const QMouseEvent* e, int button) const;
    TableView& view_;
    Image& image_;
};

// A rounded rectangle: the table's border, a slot, the highlight frame.
class ShapeWidget : public QWidget {
  public:
    ShapeWidget(TableView& view, Shape& shape, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    TableView& view_;
    Shape& shape_;
};

// A caption on the table; a class of its own, so that its accessible interface is the table's.
class LabelWidget : public QLabel {
    Q_OBJECT

  public:
    LabelWidget(TableView& view, Label& label, QWidget* parent);
    void follow();  // takes the control's caption, font, colours and alignment
    const Label& label() const { return label_; }

  private:
    TableView& view_;
    Label& label_;
};

class ButtonWidget : public QPushButton {
  public:
    ButtonWidget(TableView& view, PushButton& button, QWidget* parent);
    void follow();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    TableView& view_;
    PushButton& button_;
};

class CheckBoxWidget : public QCheckBox {
  public:
    CheckBoxWidget(TableView& view, CheckBox& box, QWidget* parent);
    void follow();

  private:
    TableView& view_;
    CheckBox& box_;
};

// The table's rounded box over the whole widget: a slot, the border, a focus frame; the pen is in
// pixels.
void paintRoundedBox(QWidget& w, qreal pen, const QColor& border, const QBrush& fill);

// Qt's mouse buttons and modifiers as the handlers count them.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

}  // namespace plat::qt
