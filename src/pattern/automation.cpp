#include "pattern/automation.h"

#include <cstdio>

#include "pattern/text_conversions.h"
#include "pattern/utf16le.h"

namespace vantrel {

bool PutProperty(const ObjectRef& object, std::string_view member, Variant value) {
  if (!object) return false;
  return object->Invoke(member, InvokeKind::kPropertyPut, {std::move(value)}).has_value();
}

Variant GetProperty(const ObjectRef& object, std::string_view member,
                    const std::vector<Variant>& args) {
  if (!object) return Variant();
  return object->Invoke(member, InvokeKind::kPropertyGet, args).value_or(Variant());
}

Variant CallMethod(const ObjectRef& object, std::string_view member,
                   const std::vector<Variant>& args) {
  if (!object) return Variant();
  return object->Invoke(member, InvokeKind::kMethod, args).value_or(Variant());
}

ObjectRef GetObjectProperty(const ObjectRef& object, std::string_view member,
                            const std::vector<Variant>& args) {
  const Variant v = GetProperty(object, member, args);
  const ObjectRef* ref = v.get<ObjectRef>();
  return ref ? *ref : nullptr;
}

double VariantAsDouble(const Variant& v) {
  if (const auto* i = v.get<int32_t>()) return *i;
  if (const auto* d = v.get<double>()) return *d;
  if (const auto* b = v.get<bool>()) return *b ? -1.0 : 0.0;
  return 0.0;
}

Text VariantAsText(const Variant& v) {
  if (const auto* s = v.get<std::u16string>()) return Utf16ToText(*s);
  if (const auto* i = v.get<int32_t>()) return std::to_string(*i);
  if (const auto* d = v.get<double>()) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", *d);
    return buf;
  }
  if (const auto* b = v.get<bool>()) return *b ? "True" : "False";
  return Text();
}

ByteBuffer VariantAsBytes(const Variant& v) {
  if (const auto* bytes = v.get<std::vector<uint8_t>>()) return ByteBuffer::FromBytes(*bytes);
  if (const auto* s = v.get<std::u16string>()) return ByteBuffer::FromBytes(Utf16LeBytes(*s));
  return ByteBuffer();
}

}  // namespace vantrel
