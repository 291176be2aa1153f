#include "controls.h"

#include <algorithm>
#include <climits>

#include "errors.h"
#include "forms.h"
#include "widgetset.h"

int ScalePixels(int value, int num, int den) {
  if (den == 0) return value;
  long long p = static_cast<long long>(value) * num;
  long long d = den;
  if (d < 0) p = -p, d = -d;
  const long long magnitude = (2 * (p < 0 ? -p : p) + d) / (2 * d);
  return static_cast<int>(p < 0 ? -magnitude : magnitude);
}

// ---- TControl ---------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (handle_ != nullptr) DestroyHandle();
  SetParent(nullptr);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left, top_ = top, width_ = width, height_ = height;
  if (handle_ != nullptr && WidgetSet() != nullptr) WidgetSet()->SetBounds(*this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  parent_ = parent;
  if (parent_ != nullptr) parent_->controls_.push_back(this);
}

TForm* TControl::ParentForm() {
  TControl* c = this;
  while (c != nullptr) {
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
    c = c->parent_;
  }
  return nullptr;
}

const TForm* TControl::ParentForm() const { return const_cast<TControl*>(this)->ParentForm(); }

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (handle_ != nullptr && WidgetSet() != nullptr) WidgetSet()->SetText(*this);
  TextChanged();
}

void TControl::SetFontStyle(TFontStyles style) {
  fontStyle_ = style;
  parentFont_ = false;
  if (handle_ != nullptr && WidgetSet() != nullptr) WidgetSet()->SetFont(*this);
}

void TControl::SetParentFont(bool v) {
  parentFont_ = v;
  if (handle_ != nullptr && WidgetSet() != nullptr) WidgetSet()->SetFont(*this);
}

TFontStyles TControl::EffectiveFontStyle() const {
  if (parentFont_ && parent_ != nullptr) return parent_->EffectiveFontStyle();
  return fontStyle_;
}

int TControl::PixelsPerInch() const {
  const TForm* form = ParentForm();
  return form != nullptr ? form->PixelsPerInch() : 96;
}

TWidgetSet* TControl::WidgetSet() const { return Application != nullptr ? Application->WidgetSet() : nullptr; }

void TControl::BadValue(const std::string& name, const StreamValue& value, std::string_view expected) const {
  throw EReadError("Invalid value for property " + std::string(ClassName()) + "." + name + ": expected " +
                   std::string(expected) + ", got " + std::string(ValueTypeName(value.type)));
}

int TControl::IntValue(const std::string& name, const StreamValue& value) const {
  if (!value.IsInteger()) BadValue(name, value, "an integer");
  if (value.integer < INT_MIN || value.integer > INT_MAX) BadValue(name, value, "an integer in range");
  return static_cast<int>(value.integer);
}

bool TControl::BoolValue(const std::string& name, const StreamValue& value) const {
  if (!value.IsBoolean()) BadValue(name, value, "True or False");
  return value.type == ValueType::True;
}

const std::string& TControl::IdentValue(const std::string& name, const StreamValue& value) const {
  if (value.type != ValueType::Ident) BadValue(name, value, "an identifier");
  return value.text;
}

namespace {

[[noreturn]] void UnknownProperty(const TControl& c, const std::string& name) {
  throw EReadError("Unknown property " + name + " of class " + std::string(c.ClassName()) +
                   " (component " + c.Name() + ")");
}

}  // namespace

void TControl::BadIdent(const std::string& name, const std::string& ident) const {
  throw EReadError("Invalid value for property " + std::string(ClassName()) + "." + name + ": " + ident);
}

void TControl::ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder&) {
  if (SameIdent(name, "Left")) {
    SetLeft(IntValue(name, value));
  } else if (SameIdent(name, "Top")) {
    SetTop(IntValue(name, value));
  } else if (SameIdent(name, "Width")) {
    SetWidth(IntValue(name, value));
  } else if (SameIdent(name, "Height")) {
    SetHeight(IntValue(name, value));
  } else if (SameIdent(name, "ParentFont")) {
    SetParentFont(BoolValue(name, value));
  } else if (SameIdent(name, "Font.Style")) {
    SetFontStyle(SetValue<TFontStyles>(name, value, {{"fsBold", fsBold},
                                                     {"fsItalic", fsItalic},
                                                     {"fsUnderline", fsUnderline},
                                                     {"fsStrikeOut", fsStrikeOut}}));
  } else {
    UnknownProperty(*this, name);
  }
}

void TControl::ChangeScale(int num, int den) {
  SetBounds(ScalePixels(left_, num, den), ScalePixels(top_, num, den), ScalePixels(width_, num, den),
            ScalePixels(height_, num, den));
}

void TControl::UpdatePlatform() {
  if (handle_ == nullptr || WidgetSet() == nullptr) return;
  WidgetSet()->SetFont(*this);
  WidgetSet()->SetBounds(*this);
}

void TControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  if (WidgetSet() != nullptr) WidgetSet()->DestroyHandle(*this);
  handle_ = nullptr;
}

// ---- TWinControl ------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  if (Handle() != nullptr) DestroyHandle();
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

void TWinControl::HandleNeeded() {
  if (Handle() == nullptr) {
    TWidgetSet* ws = WidgetSet();
    if (ws == nullptr) throw EInvalidOperation("Control " + Name() + " has no window system to show it");
    ws->CreateHandle(*this);
  }
  // Windowed children first, in tab order, then the others: a platform that
  // keeps its controls in tab order then seldom has to move one.
  std::vector<TControl*> order = controls_;
  std::stable_sort(order.begin(), order.end(), [](const TControl* a, const TControl* b) {
    const auto* x = dynamic_cast<const TWinControl*>(a);
    const auto* y = dynamic_cast<const TWinControl*>(b);
    if (x == nullptr || y == nullptr) return x != nullptr && y == nullptr;
    return x->TabOrder() < y->TabOrder();
  });
  for (TControl* c : order) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
      w->HandleNeeded();
    } else if (c->Handle() == nullptr) {
      WidgetSet()->CreateHandle(*c);
    }
  }
}

void TWinControl::ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) {
  if (SameIdent(name, "TabOrder")) {
    SetTabOrder(IntValue(name, value));
  } else if (SameIdent(name, "TabStop")) {
    SetTabStop(BoolValue(name, value));
  } else {
    TControl::ReadProperty(name, value, bind);
  }
}

void TWinControl::ChangeScale(int num, int den) {
  TControl::ChangeScale(num, den);
  for (TControl* c : controls_) c->ChangeScale(num, den);
}

void TWinControl::UpdatePlatform() {
  TControl::UpdatePlatform();
  for (TControl* c : controls_) c->UpdatePlatform();
}

void TWinControl::DestroyHandle() {
  for (TControl* c : controls_) c->DestroyHandle();
  TControl::DestroyHandle();
}

// ---- TLabel -----------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetAutoSizeFlag(true); }

void TLabel::ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) {
  if (SameIdent(name, "AutoSize")) {
    SetAutoSizeFlag(BoolValue(name, value));
  } else if (SameIdent(name, "WordWrap")) {
    wordWrap_ = BoolValue(name, value);
  } else {
    TControl::ReadProperty(name, value, bind);
  }
}

void TLabel::AdjustSize() {
  if (!AutoSize() || Loading() || WidgetSet() == nullptr) return;
  const TSize size = WidgetSet()->MeasureText(*this);
  SetBounds(Left(), Top(), size.cx, size.cy);
}

// ---- TEdit ------------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetAutoSizeFlag(true);
  SetTabStopDefault(true);
}

void TEdit::ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) {
  if (SameIdent(name, "ReadOnly")) {
    readOnly_ = BoolValue(name, value);
  } else if (SameIdent(name, "Alignment")) {
    alignment_ = EnumValue<TAlignment>(name, value, {{"taLeftJustify", TAlignment::taLeftJustify},
                                                     {"taRightJustify", TAlignment::taRightJustify},
                                                     {"taCenter", TAlignment::taCenter}});
  } else if (SameIdent(name, "OnChange")) {
    onChange_ = bind(IdentValue(name, value));
  } else {
    TWinControl::ReadProperty(name, value, bind);
  }
}

// The field is never shorter than its designed height; a larger font makes it taller.
void TEdit::AdjustSize() {
  if (!AutoSize() || Loading() || WidgetSet() == nullptr) return;
  SetHeight(std::max(Height(), WidgetSet()->EditHeight(*this)));
}

void TEdit::Change() {
  if (Loading() || Destroying() || !onChange_) return;
  onChange_(this);
}

void TEdit::ControlTextChanged(std::string text) noexcept {
  try {
    StoreText(std::move(text));
    Change();
  } catch (const std::exception& e) {
    if (Application != nullptr) Application->HandleException(e);
  }
}
