// Creates a form's components from its stored description.
#pragma once

#include <string_view>

class TComponent;
class TForm;

using TComponentFactory = TComponent* (*)(TComponent* owner);

// Makes a component class creatable by its stored class name.
// TGroupBox, TLabel and TEdit are known from the start.
void RegisterComponentClass(std::string_view className, TComponentFactory factory);

// Reads the stream into `form`: checks the root class, applies the form's
// properties, creates every child component (owned by the form, placed in its
// parent), applies their properties in stored order, assigns each to the
// published field of its name and binds handler names to published methods.
// No change notification is raised while this runs. Throws EReadError,
// EClassNotFound or another EFilerError on any mismatch.
void ReadFormDescription(TForm& form, std::string_view stream);
