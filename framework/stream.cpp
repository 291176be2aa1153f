#include "stream.h"

#include <cstring>

#include "errors.h"

namespace {

constexpr int kMaxDepth = 64;  // nesting of entries and lists; real forms use 3

class StreamParser {
 public:
  explicit StreamParser(std::string_view data) : data_(data) {}

  ComponentEntry Root() {
    if (data_.size() < 4 || data_.substr(0, 4) != "TPF0") {
      throw EReadError("Invalid stream format: the form description does not start with TPF0");
    }
    pos_ = 4;
    ComponentEntry root = Entry(0);
    if (pos_ != data_.size()) Fail("data after the end of the root component");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError("Invalid form description at offset " + std::to_string(pos_) + ": " + what);
  }

  void Need(std::size_t count, const char* what) {
    if (data_.size() - pos_ < count) {
      Fail(std::string("stream ends inside ") + what);
    }
  }

  std::uint8_t Byte(const char* what) {
    Need(1, what);
    return static_cast<std::uint8_t>(data_[pos_++]);
  }

  std::uint8_t PeekByte(const char* what) {
    Need(1, what);
    return static_cast<std::uint8_t>(data_[pos_]);
  }

  std::string Bytes(std::size_t count, const char* what) {
    Need(count, what);
    std::string out(data_.substr(pos_, count));
    pos_ += count;
    return out;
  }

  std::uint64_t Unsigned(int size, const char* what) {
    Need(static_cast<std::size_t>(size), what);
    std::uint64_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(data_[pos_ + i]);
    pos_ += static_cast<std::size_t>(size);
    return v;
  }

  std::int64_t Signed(int size, const char* what) {
    const std::uint64_t raw = Unsigned(size, what);
    if (size == 8) return static_cast<std::int64_t>(raw);
    const std::uint64_t sign = std::uint64_t{1} << (size * 8 - 1);
    return static_cast<std::int64_t>((raw ^ sign) - sign);
  }

  std::string ShortString(const char* what) {
    const std::uint8_t len = Byte(what);
    return Bytes(len, what);
  }

  // A 4-byte length, checked against what is left before anything is allocated.
  std::size_t Length32(std::size_t unit, const char* what) {
    const std::uint64_t count = Unsigned(4, what);
    if (count > (data_.size() - pos_) / unit) Fail(std::string("length runs past the end of the stream in ") + what);
    return static_cast<std::size_t>(count);
  }

  ComponentEntry Entry(int depth) {
    if (depth > kMaxDepth) Fail("components nested too deeply");
    ComponentEntry e;
    const std::uint8_t first = PeekByte("a component entry");
    if ((first & 0xF0) == 0xF0) {
      ++pos_;
      e.flags = first & 0x0F;
      if (e.flags & ~0x07) Fail("unknown filer flags");
      if (e.flags & 0x02) {
        StreamValue v = Value(depth);
        if (!v.IsInteger()) Fail("child position is not an integer");
        e.position = v.integer;
      }
    }
    e.className = ShortString("a class name");
    if (e.className.empty()) Fail("empty class name");
    e.name = ShortString("a component name");
    for (;;) {
      std::string prop = ShortString("a property name");
      if (prop.empty()) break;
      StreamValue v = Value(depth);
      e.properties.push_back({std::move(prop), std::move(v)});
    }
    while (PeekByte("the list of child components") != 0) e.children.push_back(Entry(depth + 1));
    ++pos_;
    return e;
  }

  StreamValue Value(int depth) {
    if (depth > kMaxDepth) Fail("values nested too deeply");
    const std::size_t at = pos_;
    const std::uint8_t code = Byte("a value");
    if (code > static_cast<std::uint8_t>(ValueType::Utf8String)) {
      pos_ = at;
      Fail("unknown value type " + std::to_string(code));
    }
    StreamValue v;
    v.type = static_cast<ValueType>(code);
    switch (v.type) {
      case ValueType::Null: case ValueType::False: case ValueType::True: case ValueType::Nil:
        break;
      case ValueType::Int8: v.integer = Signed(1, "an Int8 value"); break;
      case ValueType::Int16: v.integer = Signed(2, "an Int16 value"); break;
      case ValueType::Int32: v.integer = Signed(4, "an Int32 value"); break;
      case ValueType::Int64: v.integer = Signed(8, "an Int64 value"); break;
      case ValueType::Currency: v.integer = Signed(8, "a Currency value"); break;
      case ValueType::Date: v.text = Bytes(8, "a Date value"); break;
      case ValueType::Extended: v.text = Bytes(10, "an Extended value"); break;
      case ValueType::Single: v.text = Bytes(4, "a Single value"); break;
      case ValueType::String: case ValueType::Ident: v.text = ShortString("a string value"); break;
      case ValueType::LString: case ValueType::Binary: case ValueType::Utf8String:
        v.text = Bytes(Length32(1, "a long value"), "a long value");
        break;
      case ValueType::WString: {
        const std::size_t count = Length32(2, "a WString value");
        for (std::size_t i = 0; i < count; ++i) v.wide += static_cast<char16_t>(Unsigned(2, "a WString value"));
        break;
      }
      case ValueType::Set:
        for (;;) {
          std::string element = ShortString("a set");
          if (element.empty()) break;
          v.elements.push_back(std::move(element));
        }
        break;
      case ValueType::List:
        while (PeekByte("a list") != 0) v.items.push_back(Value(depth + 1));
        ++pos_;
        break;
      case ValueType::Collection:
        while (PeekByte("a collection") != 0) v.items.push_back(CollectionItem(depth + 1));
        ++pos_;
        break;
    }
    return v;
  }

  // One collection item: an optional integer index, the List marker, a property list.
  StreamValue CollectionItem(int depth) {
    StreamValue item;
    item.type = ValueType::List;
    std::uint8_t code = PeekByte("a collection item");
    if (code == static_cast<std::uint8_t>(ValueType::Int8) || code == static_cast<std::uint8_t>(ValueType::Int16) ||
        code == static_cast<std::uint8_t>(ValueType::Int32)) {
      item.integer = Value(depth).integer;
      code = PeekByte("a collection item");
    }
    if (code != static_cast<std::uint8_t>(ValueType::List)) Fail("collection item without its list marker");
    ++pos_;
    for (;;) {
      std::string prop = ShortString("a collection item property name");
      if (prop.empty()) break;
      StreamValue v = Value(depth);
      StreamValue named;
      named.type = ValueType::List;
      named.text = std::move(prop);
      named.items.push_back(std::move(v));
      item.items.push_back(std::move(named));
    }
    return item;
  }

  std::string_view data_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string_view ValueTypeName(ValueType type) {
  static constexpr std::string_view kNames[] = {
      "Null", "List", "Int8", "Int16", "Int32", "Extended", "String", "Ident", "False", "True", "Binary",
      "Set", "LString", "Nil", "Collection", "Single", "Currency", "Date", "WString", "Int64", "UTF8String"};
  const auto i = static_cast<std::size_t>(type);
  return i < std::size(kNames) ? kNames[i] : "unknown";
}

bool StreamValue::IsInteger() const {
  return type == ValueType::Int8 || type == ValueType::Int16 || type == ValueType::Int32 || type == ValueType::Int64;
}

ComponentEntry ParseComponentStream(std::string_view data) { return StreamParser(data).Root(); }
