// The published part of a form class: the fields that components of its
// stored description are assigned to, and the methods that stored handler
// names bind to. C++ has no run-time type information for these, so each form
// class declares one table of them.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "classes.h"

class TForm;

struct TPublishedField {
  std::string_view name;
  std::string_view className;
  // Stores the component in the field; false when it is not of the field's class.
  std::function<bool(TForm& form, TComponent& component)> assign;
};

struct TPublishedMethod {
  std::string_view name;
  std::function<TNotifyEvent(TForm& form)> bind;
};

struct TPublishedTable {
  std::vector<TPublishedField> fields;
  std::vector<TPublishedMethod> methods;
};

// Table entry for the field `member` of form class F, holding a C*.
template <class F, class C>
TPublishedField PublishedField(std::string_view name, C* F::*member) {
  return {name, C::StaticClassName(), [member](TForm& form, TComponent& component) {
            C* typed = dynamic_cast<C*>(&component);
            if (typed == nullptr) return false;
            static_cast<F&>(form).*member = typed;
            return true;
          }};
}

// Table entry for the notification method `method` of form class F.
template <class F>
TPublishedMethod PublishedMethod(std::string_view name, void (F::*method)(TObject*)) {
  return {name, [method](TForm& form) -> TNotifyEvent {
            F* self = &static_cast<F&>(form);
            return [self, method](TObject* sender) { (self->*method)(sender); };
          }};
}
