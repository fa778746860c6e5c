// SPDX-License-Identifier: GPL-3.0-or-later
// Gadgets: panels, labels, buttons, text fields, lists and ranges.
#include "platform/gui/gadget_parts.h"

namespace gui {
namespace detail {

// ---------------------------------------------------------------- panels

class PanelGadget : public G<Gadget> {
 public:
  PanelGadget(int x, int y, int w, int h, Gadget* parentGadget, int style)
      : G(GadgetClass::Panel, parentGadget) {
    frame_ = new QFrame(ParentWidget(parentGadget));
    if (style & PanelSunken) frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    if (style & PanelScroll) {
      scroll_ = new QScrollArea(frame_);
      scroll_->setFrameStyle(QFrame::NoFrame);
      scroll_->setWidgetResizable(false);
      client_ = new PaintArea;
      scroll_->setWidget(client_);
    } else {
      client_ = new PaintArea(frame_);
    }
    Register(client_);
    Init(frame_, x, y, w, h);
  }
  QWidget* ClientArea() override { return client_; }
  // A scrolling panel lays its children out in its visible part.
  QSize ClientSize() override { return scroll_ ? scroll_->size() : client_->size(); }
  void ApplyGeometry(int x, int y, int w, int h) override {
    frame_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    if (scroll_) {
      scroll_->setGeometry(frame_->contentsRect());
      client_->resize(scroll_->size());
    } else {
      client_->setGeometry(frame_->contentsRect());
    }
    Relayout();
    KidsChanged();
  }
  // A scrolling panel grows its client around every shown child, so that a
  // child cut by a small window can be scrolled into view.
  void KidsChanged() override {
    if (!scroll_) return;
    int right = 0, bottom = 0;
    for (Impl* k : kids) {
      if (k->widget->isHidden()) continue;
      QRect g = k->widget->geometry();
      right = std::max(right, g.x() + g.width());
      bottom = std::max(bottom, g.y() + g.height());
    }
    // The visible part shrinks by the scroll bars that the children need.
    int w = scroll_->width(), h = scroll_->height();
    const int barW = scroll_->verticalScrollBar()->sizeHint().width();
    const int barH = scroll_->horizontalScrollBar()->sizeHint().height();
    bool down = bottom > h, across = right > w;
    if (down && !across) across = right > w - barW;
    if (across && !down) down = bottom > h - barH;
    if (down) w -= barW;
    if (across) h -= barH;
    QSize want(std::max(w, right), std::max(h, bottom));
    if (client_->size() != want) client_->resize(want);
  }
  void SetColor(int r, int g, int b) override {
    client_->hasColor = true;
    client_->color = QColor(r, g, b);
    client_->update();
  }
  void SetPixmap(draw::PixmapPtr p, bool tiled) override {
    client_->picture = SharedQImage(p);
    client_->tiled = tiled;
    client_->update();
  }
  void Redraw() override { client_->repaint(); }
  void SetMouseSensitive(bool on) override { mouseSensitive = on; }

 protected:
  QFrame* frame_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  PaintArea* client_ = nullptr;
};

class GroupBoxWidget : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;
  QWidget* inner = nullptr;
  QRect Contents() {
    QStyleOptionGroupBox opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxContents, this);
  }
};

class GroupBoxGadget : public G<Gadget> {
 public:
  GroupBoxGadget(const u16& title, int x, int y, int w, int h, Gadget* parentGadget)
      : G(GadgetClass::GroupBox, parentGadget) {
    box_ = new GroupBoxWidget(ParentWidget(parentGadget));
    client_ = new PaintArea(box_);
    Register(client_);
    InitCaption(title);
    Init(box_, x, y, w, h);
  }
  QWidget* ClientArea() override { return client_; }
  void ShowCaption(const u16& t) override { box_->setTitle(Amp(t)); }
  void ApplyGeometry(int x, int y, int w, int h) override {
    box_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    client_->setGeometry(box_->Contents());
    Relayout();
  }
  void SetColor(int r, int g, int b) override {
    client_->hasColor = true;
    client_->color = QColor(r, g, b);
  }

 private:
  GroupBoxWidget* box_ = nullptr;
  PaintArea* client_ = nullptr;
};

class ScrollPanelGadget : public G<Gadget> {
 public:
  ScrollPanelGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::ScrollPanel, parentGadget) {
    area_ = new QScrollArea(ParentWidget(parentGadget));
    area_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    area_->setWidgetResizable(false);
    Init(area_, x, y, w, h);
    client_ = new PanelGadget(0, 0, area_->viewport()->width(), area_->viewport()->height(), nullptr, PanelPlain);
    client_->SetParentGadget(this);  // its size is its own, not the viewport's
    area_->setWidget(client_->widget);
  }
  Gadget* Client() const override { return client_; }
  void FitToChildren() override {
    int right = 0, bottom = 0;
    for (Impl* k : client_->kids) {
      QRect g = k->widget->geometry();
      right = std::max(right, g.x() + g.width());
      bottom = std::max(bottom, g.y() + g.height());
    }
    client_->layoutSuspended = true;
    client_->Place(0, 0, right, bottom);
    client_->layoutSuspended = false;
    // The children stay where they are: their placement now refers to the new size.
    for (Impl* k : client_->kids) {
      QRect g = k->widget->geometry();
      k->px = g.x();
      k->py = g.y();
      k->pw = g.width();
      k->ph = g.height();
      k->parentW0 = right;
      k->parentH0 = bottom;
    }
  }

  QWidget* ClientArea() override { return client_ ? client_->ClientArea() : widget; }

 private:
  QScrollArea* area_ = nullptr;
  PanelGadget* client_ = nullptr;
};

// ---------------------------------------------------------------- labels and buttons

class LabelGadget : public G<Gadget> {
 public:
  LabelGadget(const u16& text, int x, int y, int w, int h, Gadget* parentGadget, int style)
      : G(GadgetClass::Label, parentGadget) {
    label_ = new QLabel(ParentWidget(parentGadget));
    label_->setTextFormat(Qt::PlainText);
    Qt::Alignment a = Qt::AlignVCenter;
    if (style & LabelRight) a |= Qt::AlignRight;
    else if (style & LabelCentre) a |= Qt::AlignHCenter;
    else a |= Qt::AlignLeft;
    label_->setAlignment(a);
    if (style & LabelSunken) label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InitCaption(text);
    Init(label_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { label_->setText(Q(t)); }
  int Alignment() const { return static_cast<int>(label_->alignment()); }

 private:
  QLabel* label_ = nullptr;
};

QHash<QWidget*, QButtonGroup*> g_radioGroups;

class ButtonGadget : public G<Gadget> {
 public:
  ButtonGadget(GadgetClass kind, const u16& text, int x, int y, int w, int h, Gadget* parentGadget)
      : G(kind, parentGadget) {
    QWidget* p = ParentWidget(parentGadget);
    switch (kind) {
      case GadgetClass::CheckBox: button_ = new QCheckBox(p); break;
      case GadgetClass::RadioButton: button_ = new QRadioButton(p); break;
      case GadgetClass::ToggleRadio:
        button_ = new QPushButton(p);
        button_->setCheckable(true);
        // The selected one stands out clearly, not only by a slightly darker face.
        button_->setStyleSheet(QStringLiteral(
            "QPushButton { background: rgb(236, 236, 236); border: 1px solid rgb(150, 150, 150); }"
            "QPushButton:checked { background: rgb(40, 150, 60); color: white;"
            " border: 3px solid rgb(15, 90, 30); }"));
        break;
      default: button_ = new QPushButton(p); break;
    }
    button_->setFocusPolicy(kind == GadgetClass::Button ? Qt::StrongFocus : Qt::TabFocus);
    if (kind == GadgetClass::RadioButton || kind == GadgetClass::ToggleRadio) {
      // Radio buttons exclude their siblings in the same parent, not those of nested panels.
      button_->setAutoExclusive(false);
      QButtonGroup*& group = g_radioGroups[p];
      if (!group) group = new QButtonGroup(p);
      group->addButton(button_);
    }
    QObject::connect(button_, &QAbstractButton::clicked, [this](bool checked) {
      GadgetClass k = Class();
      if ((k == GadgetClass::RadioButton || k == GadgetClass::ToggleRadio) && !checked) return;
      Emit(GadgetAction, this, checked ? 1 : 0);
    });
    InitCaption(text);
    Init(button_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { button_->setText(Amp(t)); }
  void SetChecked(bool on) override {
    if (!button_->isCheckable()) return;
    QButtonGroup* group = button_->group();
    if (on || !group) {
      button_->setChecked(on);
    } else {
      // An exclusive button cannot be unchecked on its own.
      group->setExclusive(false);
      button_->setChecked(false);
      group->setExclusive(true);
    }
  }
  bool Checked() const override { return button_->isChecked(); }
  QAbstractButton* Button() const { return button_; }
  bool SimulatedClick() override {
    if (button_->isEnabled() && button_->window()->isEnabled()) button_->click();
    return true;
  }

 private:
  QAbstractButton* button_ = nullptr;
};

// ---------------------------------------------------------------- text

class TextFieldGadget : public G<Gadget> {
 public:
  TextFieldGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::TextField, parentGadget) {
    edit_ = new QLineEdit(ParentWidget(parentGadget));
    QObject::connect(edit_, &QLineEdit::textEdited, [this](const QString& t) {
      caption_ = U(t);
      Emit(GadgetAction, this);
    });
    Init(edit_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override { edit_->setText(Q(t)); }
  void SetMaxLength(int n) override { edit_->setMaxLength(n > 0 ? n : 32767); }
  void InsertText(const u16& t) override {
    edit_->insert(Q(t));
    caption_ = U(edit_->text());
    Emit(GadgetAction, this);
  }
  u16 Text() const override { return U(edit_->text()); }

 private:
  QLineEdit* edit_ = nullptr;
};

class TextAreaGadget : public G<Gadget> {
 public:
  TextAreaGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::TextArea, parentGadget) {
    edit_ = new QPlainTextEdit(ParentWidget(parentGadget));
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setTabChangesFocus(true);
    QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] {
      if (!setting_) Emit(GadgetAction, this);
    });
    Register(edit_->viewport());
    Init(edit_, x, y, w, h);
  }
  void ShowCaption(const u16& t) override {
    setting_ = true;
    edit_->setPlainText(Q(t));
    setting_ = false;
  }
  u16 Text() const override { return U(edit_->toPlainText()); }
  void InsertText(const u16& t) override { edit_->insertPlainText(Q(t)); }

 private:
  QPlainTextEdit* edit_ = nullptr;
  bool setting_ = false;
};

class ComboGadget : public G<Gadget> {
 public:
  ComboGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::ComboBox, parentGadget) {
    combo_ = new QComboBox(ParentWidget(parentGadget));
    combo_->setEditable(false);
    QObject::connect(combo_, QOverload<int>::of(&QComboBox::activated), [this](int i) { Emit(GadgetAction, this, i); });
    Init(combo_, x, y, w, h);
  }
  void AddItem(const u16& t) override {
    u16 shown = t;
    if (RegisteringTexts()) {
      g_localizedItems[this].push_back({combo_->count(), t});
      shown = LocalizeString(t);
    }
    combo_->addItem(Q(shown));
  }
  void ClearItems() override {
    combo_->clear();
    g_localizedItems.erase(this);
  }
  int ItemCount() const override { return combo_->count(); }
  u16 ItemText(int i) const override { return U(combo_->itemText(i)); }
  void SelectItem(int i) override { combo_->setCurrentIndex(i); }
  int SelectedItem() const override { return combo_->currentIndex(); }
  u16 Text() const override { return U(combo_->currentText()); }
  void SetText(const u16& t) override {
    int i = combo_->findText(Q(t));
    combo_->setCurrentIndex(i);
  }
  void SetItemShown(int i, const u16& t) override {
    if (i >= 0 && i < combo_->count()) combo_->setItemText(i, Q(t));
  }

 private:
  QComboBox* combo_ = nullptr;
};

// ---------------------------------------------------------------- ranges

class ScrollBarGadget : public G<Gadget> {
 public:
  ScrollBarGadget(int x, int y, int w, int h, Gadget* parentGadget, bool vertical)
      : G(GadgetClass::ScrollBar, parentGadget) {
    bar_ = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, ParentWidget(parentGadget));
    QObject::connect(bar_, &QScrollBar::valueChanged, [this](int v) {
      if (!setting_) Emit(GadgetAction, this, v);
    });
    Init(bar_, x, y, w, h);
  }
  // a = visible part, b = total
  void SetRange(int visible, int total) override {
    visible_ = visible;
    total_ = total;
    setting_ = true;
    bar_->setRange(0, std::max(0, total - visible));
    bar_->setPageStep(std::max(1, visible));
    setting_ = false;
  }
  int RangeA() const override { return visible_; }
  int RangeB() const override { return total_; }
  void SetValue(int v) override {
    setting_ = true;
    bar_->setValue(v);
    setting_ = false;
  }
  int Value() const override { return bar_->value(); }

 private:
  QScrollBar* bar_ = nullptr;
  bool setting_ = false;
  int visible_ = 0, total_ = 0;
};

class StepperGadget : public G<Gadget> {
 public:
  StepperGadget(int x, int y, int w, int h, Gadget* parentGadget) : G(GadgetClass::Stepper, parentGadget) {
    box_ = new QWidget(ParentWidget(parentGadget));
    down_ = new QToolButton(box_);
    up_ = new QToolButton(box_);
    down_->setArrowType(Qt::LeftArrow);
    up_->setArrowType(Qt::RightArrow);
    for (QToolButton* b : {down_, up_}) {
      b->setAutoRepeat(true);
      b->setFocusPolicy(Qt::NoFocus);
    }
    QObject::connect(down_, &QToolButton::clicked, [this] { Step(-1); });
    QObject::connect(up_, &QToolButton::clicked, [this] { Step(1); });
    Init(box_, x, y, w, h);
  }
  void ApplyGeometry(int x, int y, int w, int h) override {
    box_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    int half = box_->width() / 2;
    down_->setGeometry(0, 0, half, box_->height());
    up_->setGeometry(half, 0, box_->width() - half, box_->height());
  }
  void SetRange(int lo, int hi) override {
    min_ = std::min(lo, hi);
    max_ = std::max(lo, hi);
    value_ = std::clamp(value_, min_, max_);
  }
  int RangeA() const override { return min_; }
  int RangeB() const override { return max_; }
  void SetValue(int v) override { value_ = std::clamp(v, min_, max_); }
  int Value() const override { return value_; }
  void Step(int d) {
    int v = std::clamp(value_ + d, min_, max_);
    if (v == value_) return;
    value_ = v;
    Emit(GadgetAction, this, value_);
  }

 private:
  QWidget* box_ = nullptr;
  QToolButton* down_ = nullptr;
  QToolButton* up_ = nullptr;
  int min_ = 0, max_ = 100, value_ = 0;
};


}  // namespace detail

using namespace detail;

Gadget* CreatePanel(int x, int y, int w, int h, Gadget* parent, int style) {
  return new PanelGadget(x, y, w, h, parent, style);
}
Gadget* CreateGroupBox(const u16& title, int x, int y, int w, int h, Gadget* parent) {
  return new GroupBoxGadget(title, x, y, w, h, parent);
}
Gadget* CreateScrollPanel(int x, int y, int w, int h, Gadget* parent) {
  return new ScrollPanelGadget(x, y, w, h, parent);
}
Gadget* CreateLabel(const u16& text, int x, int y, int w, int h, Gadget* parent, int style) {
  return new LabelGadget(text, x, y, w, h, parent, style);
}
Gadget* CreateButton(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::Button, text, x, y, w, h, parent);
}
Gadget* CreateCheckBox(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::CheckBox, text, x, y, w, h, parent);
}
Gadget* CreateRadioButton(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::RadioButton, text, x, y, w, h, parent);
}
Gadget* CreateToggleRadio(const u16& text, int x, int y, int w, int h, Gadget* parent) {
  return new ButtonGadget(GadgetClass::ToggleRadio, text, x, y, w, h, parent);
}
Gadget* CreateTextField(int x, int y, int w, int h, Gadget* parent) { return new TextFieldGadget(x, y, w, h, parent); }
Gadget* CreateTextArea(int x, int y, int w, int h, Gadget* parent) { return new TextAreaGadget(x, y, w, h, parent); }
Gadget* CreateComboBox(int x, int y, int w, int h, Gadget* parent) { return new ComboGadget(x, y, w, h, parent); }
Gadget* CreateScrollBar(int x, int y, int w, int h, Gadget* parent, bool vertical) {
  return new ScrollBarGadget(x, y, w, h, parent, vertical);
}
Gadget* CreateStepper(int x, int y, int w, int h, Gadget* parent) { return new StepperGadget(x, y, w, h, parent); }

}  // namespace gui
