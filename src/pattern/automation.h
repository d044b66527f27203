// The automation layer: objects created by ProgID and driven by member name.
//
// On Windows this is COM late binding (IDispatch::GetIDsOfNames + Invoke on VARIANTs); on Linux
// it is our own object model with a VBScript.RegExp registered under that ProgID. The pattern
// matcher sees only this interface, so a test can stand in for either.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "pattern/byte_buffer.h"
#include "pattern/text.h"

namespace vantrel {

class AutomationObject;
// A counted reference: copying it adds a reference, destroying it releases one.
using ObjectRef = std::shared_ptr<AutomationObject>;

// A value crossing the automation layer: what a VARIANT holds, for the types this system uses.
class Variant {
 public:
  using Value = std::variant<std::monostate, bool, int32_t, double, std::u16string,
                             std::vector<uint8_t>, ObjectRef>;

  Variant() = default;  // empty
  // A copy is made aside and moved in. libstdc++ 12's own variant copy leaves the storage marked
  // as holding a value when the value's copy throws (a vector or string out of memory), and its
  // destruction then frees garbage: made this way, the exception leaves nothing half-built.
  Variant(const Variant& other)
      : value_(std::visit(
            [](const auto& v) { return Value(std::in_place_type<std::decay_t<decltype(v)>>, v); },
            other.value_)) {}
  Variant& operator=(const Variant& other) {
    value_ = Variant(other).value_;
    return *this;
  }
  Variant(Variant&&) noexcept = default;
  Variant& operator=(Variant&&) noexcept = default;
  static Variant Bool(bool v) { return Variant(Value(v)); }
  static Variant Int(int32_t v) { return Variant(Value(v)); }
  static Variant Double(double v) { return Variant(Value(v)); }
  static Variant String(std::u16string v) { return Variant(Value(std::move(v))); }
  // A byte array (VT_ARRAY | VT_UI1 on Windows).
  static Variant Bytes(std::vector<uint8_t> v) { return Variant(Value(std::move(v))); }
  static Variant Object(ObjectRef v) { return Variant(Value(std::move(v))); }

  bool empty() const { return std::holds_alternative<std::monostate>(value_); }
  const Value& value() const { return value_; }
  template <typename T>
  const T* get() const {
    return std::get_if<T>(&value_);
  }
  void Clear() { value_ = std::monostate(); }

 private:
  explicit Variant(Value v) : value_(std::move(v)) {}
  Value value_;
};

enum class InvokeKind { kPropertyGet, kPropertyPut, kMethod };

class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  // Resolves `member` by name at this moment (case-insensitively, as IDispatch does) and
  // invokes it with `args` in their natural order. Gives nothing when the member is unknown,
  // refuses the arguments or raises an error; it never throws and shows nothing.
  virtual std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                        const std::vector<Variant>& args) = 0;
};

class AutomationLayer {
 public:
  // One initialisation of the automation runtime on the calling thread, held for its life.
  class ThreadInit {
   public:
    virtual ~ThreadInit() = default;
  };

  virtual ~AutomationLayer() = default;
  virtual std::unique_ptr<ThreadInit> InitializeThread() = 0;
  // A new object of the class registered under `progId`, or none.
  virtual ObjectRef CreateObject(std::string_view progId) = 0;
};

// Late-bound access that turns every failure into the empty result of the asked-for kind.
bool PutProperty(const ObjectRef& object, std::string_view member, Variant value);
Variant GetProperty(const ObjectRef& object, std::string_view member,
                    const std::vector<Variant>& args = {});
Variant CallMethod(const ObjectRef& object, std::string_view member,
                   const std::vector<Variant>& args);
// The object a property gives, or none.
ObjectRef GetObjectProperty(const ObjectRef& object, std::string_view member,
                            const std::vector<Variant>& args = {});

// Reading a variant as the kind the caller wants, with the coercions of VariantChangeType.
// A number: from a number or boolean (true is -1); 0 otherwise.
double VariantAsDouble(const Variant& v);
// A text in code page 936: a string up to its first U+0000; a number in decimal;
// a boolean as "True" or "False"; anything else gives the empty text.
Text VariantAsText(const Variant& v);
// A string's UTF-16LE code units or a byte array's bytes; no buffer for anything else.
ByteBuffer VariantAsBytes(const Variant& v);

}  // namespace vantrel
