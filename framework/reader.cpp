#include "reader.h"

#include <map>
#include <string>

#include "errors.h"
#include "forms.h"
#include "stream.h"

namespace {

template <class T>
TComponent* Create(TComponent* owner) {
  return new T(owner);
}

std::map<std::string, TComponentFactory>& Registry() {
  static std::map<std::string, TComponentFactory> registry = {
      {"TGROUPBOX", &Create<TGroupBox>},
      {"TLABEL", &Create<TLabel>},
      {"TEDIT", &Create<TEdit>},
  };
  return registry;
}

class FormReader {
 public:
  explicit FormReader(TForm& form) : form_(form), table_(form.Published()) {
    bind_ = [this](std::string_view method) { return Bind(method); };
  }

  void Read(const ComponentEntry& root) {
    CheckFlags(root);
    if (!SameIdent(root.className, form_.ClassName())) {
      throw EReadError("The form description is for class " + root.className + ", not " +
                       std::string(form_.ClassName()));
    }
    form_.SetName(root.name);
    for (const StreamProperty& p : root.properties) form_.ReadProperty(p.name, p.value, bind_);
    for (const ComponentEntry& child : root.children) ReadChild(child, &form_);
  }

 private:
  static void CheckFlags(const ComponentEntry& e) {
    if (e.flags & 0x05) {
      throw EReadError("Component " + e.name + " is stored as inherited or inline; only complete descriptions can be read");
    }
  }

  TNotifyEvent Bind(std::string_view method) {
    for (const TPublishedMethod& m : table_.methods) {
      if (SameIdent(m.name, method)) return m.bind(form_);
    }
    throw EReadError("Method " + std::string(method) + " not found in class " + std::string(form_.ClassName()));
  }

  void ReadChild(const ComponentEntry& e, TControl* parent) {
    CheckFlags(e);
    const auto factory = Registry().find(UpperIdent(e.className));
    if (factory == Registry().end()) throw EClassNotFound("Class " + e.className + " not found");
    if (e.name.empty()) throw EReadError("A component of class " + e.className + " has no name");
    if (form_.FindComponent(e.name) != nullptr) throw EReadError("Duplicate component name " + e.name);
    auto* container = dynamic_cast<TWinControl*>(parent);
    if (container == nullptr) {
      throw EReadError("Component " + parent->Name() + " cannot hold the control " + e.name);
    }

    TComponent* component = factory->second(&form_);
    component->SetName(e.name);
    component->SetLoading(true);
    auto* control = dynamic_cast<TControl*>(component);
    if (control == nullptr) throw EReadError("Component " + e.name + " is not a control");
    control->SetParent(container);
    for (const StreamProperty& p : e.properties) control->ReadProperty(p.name, p.value, bind_);
    AssignField(e, *component);
    for (const ComponentEntry& child : e.children) ReadChild(child, control);
  }

  void AssignField(const ComponentEntry& e, TComponent& component) {
    for (const TPublishedField& f : table_.fields) {
      if (!SameIdent(f.name, e.name)) continue;
      if (!f.assign(form_, component)) {
        throw EReadError("Field " + e.name + " of class " + std::string(form_.ClassName()) + " is of class " +
                         std::string(f.className) + ", not " + e.className);
      }
      return;
    }
    throw EReadError("Field " + e.name + " not found in class " + std::string(form_.ClassName()));
  }

  TForm& form_;
  const TPublishedTable& table_;
  TMethodBinder bind_;
};

}  // namespace

void RegisterComponentClass(std::string_view className, TComponentFactory factory) {
  Registry()[UpperIdent(className)] = factory;
}

void ReadFormDescription(TForm& form, std::string_view stream) {
  const ComponentEntry root = ParseComponentStream(stream);
  form.SetLoading(true);
  FormReader(form).Read(root);
  form.SetLoading(false);
}
