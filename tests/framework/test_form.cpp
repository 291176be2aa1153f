#include "test_form.h"

#include "stream_builder.h"

void TTestForm::Created(TObject*) {
  events.push_back("Created");
  if (onCreated) onCreated();
}

void TTestForm::Changed(TObject* sender) {
  events.push_back("Changed:" + dynamic_cast<TComponent*>(sender)->Name());
}

const TPublishedTable& TTestForm::Published() const {
  static const TPublishedTable table{
      {PublishedField("gb", &TTestForm::gb), PublishedField("ed", &TTestForm::ed),
       PublishedField("lb", &TTestForm::lb)},
      {PublishedMethod("Created", &TTestForm::Created), PublishedMethod("Changed", &TTestForm::Changed)},
  };
  return table;
}

std::string TestFormStream() {
  return StreamBuilder()
      .Object("TTestForm", "TestForm")
      .Int("ClientHeight", 400)
      .Int("ClientWidth", 680)
      .Ident("OnCreate", "Created")
      .End()
      .Object("TGroupBox", "gb")
      .Int("Left", 8)
      .Int("Height", 166)
      .Int("Top", 8)
      .Int("Width", 664)
      .Int("TabOrder", 0)
      .End()
      .Object("TEdit", "ed")
      .Int("Left", 36)
      .Int("Height", 23)
      .Int("Top", 100)
      .Int("Width", 80)
      .Ident("OnChange", "Changed")
      .Int("TabOrder", 0)
      .End()
      .End()
      .Object("TLabel", "lb")
      .Int("Left", 12)
      .Int("Height", 84)
      .Int("Top", 4)
      .Int("Width", 636)
      .Bool("AutoSize", false)
      .Bool("WordWrap", true)
      .End()
      .End()
      .End()
      .End()
      .Bytes();
}
