// Base classes of the component framework: objects with a class name,
// components that own other components, and notification events.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TObject {
 public:
  virtual ~TObject() = default;
  // The framework class name ("TEdit", "TMainForm"), as stored in form descriptions.
  virtual std::string_view ClassName() const = 0;
};

// Event with the object that raised it as its only argument.
using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TObject {
 public:
  // Inserts the new component among the components of owner (when given).
  explicit TComponent(TComponent* owner);
  // Frees the owned components, the last created first.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TComponent* Owner() const { return owner_; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  // Position among the owner's components, or -1 without an owner.
  int ComponentIndex() const;
  // The owned component of that name (case-insensitive), or nullptr.
  TComponent* FindComponent(std::string_view name) const;

  // True while the component's stored description is being read.
  bool Loading() const { return loading_; }
  // True once the component has started to be freed.
  bool Destroying() const { return destroying_; }

  // Marks this component and everything it owns as being loaded or not.
  void SetLoading(bool loading);

 protected:
  // Called once the stored description has been read completely.
  virtual void Loaded() {}
  // Marks the component and everything it owns as being freed.
  void BeginDestruction();

 private:
  friend class TFormReader;
  std::string name_;
  TComponent* owner_;
  std::vector<TComponent*> components_;
  bool loading_ = false;
  bool destroying_ = false;
};

// Case-insensitive (ASCII) comparison of identifiers, as the stream format uses them.
bool SameIdent(std::string_view a, std::string_view b);
// ASCII upper case of an identifier (resource names are looked up this way).
std::string UpperIdent(std::string_view ident);
