// Controls of the component framework: positioned, parented components that a
// back end shows as platform controls.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "classes.h"
#include "stream.h"

class TForm;
class TWidgetSet;
class TWinControl;

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Resolves a stored handler name to the bound method; throws if there is none.
using TMethodBinder = std::function<TNotifyEvent(std::string_view methodName)>;

// Scales a pixel value by num/den, rounding halves away from zero.
int ScalePixels(int value, int num, int den);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(int left, int top, int width, int height);

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  // The form this control stands on (itself for a form), or nullptr.
  TForm* ParentForm();
  const TForm* ParentForm() const;

  // Caption and Text are the same text: UTF-8, read without side effects.
  const std::string& Text() const { return text_; }
  const std::string& Caption() const { return text_; }
  // Writing an equal text does nothing at all; otherwise the control shows it.
  void SetText(const std::string& text);
  void SetCaption(const std::string& text) { SetText(text); }

  TFontStyles FontStyle() const { return fontStyle_; }
  // Setting a style of its own ends the use of the parent's font.
  void SetFontStyle(TFontStyles style);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  // The style actually used: the parent's while ParentFont holds.
  TFontStyles EffectiveFontStyle() const;

  bool AutoSize() const { return autoSize_; }
  // Pixel density of the control's form (96 without a form).
  int PixelsPerInch() const;

  // Back end's platform control, or nullptr while none exists.
  void* Handle() const { return handle_; }
  void SetHandle(void* handle) { handle_ = handle; }
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Applies one stored property; unknown names and wrong value types throw EReadError.
  virtual void ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind);
  // Multiplies position and size by num/den.
  virtual void ChangeScale(int num, int den);
  // Recomputes the size that follows from text and font (auto-sizing controls).
  virtual void AdjustSize() {}
  // Pushes bounds and font to the platform control after a rescale.
  virtual void UpdatePlatform();
  // Destroys the platform control (and those of any children).
  virtual void DestroyHandle();

 protected:
  virtual void TextChanged() {}
  void Loaded() override { AdjustSize(); }
  void SetAutoSizeFlag(bool v) { autoSize_ = v; }
  // Takes over a text the platform control already shows.
  void StoreText(std::string text) { text_ = std::move(text); }
  [[noreturn]] void BadValue(const std::string& name, const StreamValue& value, std::string_view expected) const;
  int IntValue(const std::string& name, const StreamValue& value) const;
  bool BoolValue(const std::string& name, const StreamValue& value) const;
  const std::string& IdentValue(const std::string& name, const StreamValue& value) const;
  [[noreturn]] void BadIdent(const std::string& name, const std::string& ident) const;

  // Stored identifiers are looked up in a table of named values.
  template <typename T>
  using NameTable = std::initializer_list<std::pair<std::string_view, T>>;

  // The value named by ident; an unknown name is a read error.
  template <typename T>
  T NamedValue(const std::string& name, const std::string& ident, NameTable<T> names) const {
    for (const auto& [text, v] : names) {
      if (SameIdent(ident, text)) return v;
    }
    BadIdent(name, ident);
  }
  // An enumeration value, such as bsSingle.
  template <typename T>
  T EnumValue(const std::string& name, const StreamValue& value, NameTable<T> names) const {
    return NamedValue(name, IdentValue(name, value), names);
  }
  // A set of flag bits, such as [fsBold].
  template <typename Bits>
  Bits SetValue(const std::string& name, const StreamValue& value, NameTable<Bits> names) const {
    if (value.type != ValueType::Set) BadValue(name, value, "a set");
    Bits bits = 0;
    for (const std::string& element : value.elements) bits |= NamedValue(name, element, names);
    return bits;
  }
  TWidgetSet* WidgetSet() const;

 private:
  friend class TWinControl;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TWinControl* parent_ = nullptr;
  std::string text_;
  TFontStyles fontStyle_ = 0;
  bool parentFont_ = true;
  bool autoSize_ = false;
  void* handle_ = nullptr;
};

// A control with a platform window of its own that may hold other controls
// and take the focus.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int i) const { return controls_.at(static_cast<std::size_t>(i)); }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int v) { tabOrder_ = v; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v) { tabStop_ = v; }

  // Creates the platform control, then those of all children.
  void HandleNeeded();

  void ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) override;
  void ChangeScale(int num, int den) override;
  void UpdatePlatform() override;
  void DestroyHandle() override;

 protected:
  void SetTabStopDefault(bool v) { tabStop_ = v; }

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
  int tabOrder_ = -1;
  bool tabStop_ = false;
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
  static constexpr std::string_view StaticClassName() { return "TGroupBox"; }
  std::string_view ClassName() const override { return StaticClassName(); }
};

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner);
  static constexpr std::string_view StaticClassName() { return "TLabel"; }
  std::string_view ClassName() const override { return StaticClassName(); }

  bool WordWrap() const { return wordWrap_; }

  void ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) override;
  void AdjustSize() override;

 protected:
  void TextChanged() override { AdjustSize(); }

 private:
  bool wordWrap_ = false;
};

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  static constexpr std::string_view StaticClassName() { return "TEdit"; }
  std::string_view ClassName() const override { return StaticClassName(); }

  bool ReadOnly() const { return readOnly_; }
  TAlignment Alignment() const { return alignment_; }
  // 0: no limit on the length of the text.
  int MaxLength() const { return 0; }
  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

  // Entry for the back end: the user changed the text, which is now `text`.
  // Exceptions of the handler go to the application, never to the caller.
  void ControlTextChanged(std::string text) noexcept;

  void ReadProperty(const std::string& name, const StreamValue& value, const TMethodBinder& bind) override;
  void AdjustSize() override;

 protected:
  void TextChanged() override { Change(); }
  // Raises OnChange unless the field is being loaded or destroyed.
  void Change();

 private:
  bool readOnly_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TNotifyEvent onChange_;
};
