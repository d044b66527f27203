// Late binding for our own automation objects: each class lists its members by name, kind of
// call and argument count, and a call is resolved against that list at the moment it is made.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "pattern/automation.h"

namespace vantrel::platform {

// Member names compare as IDispatch compares them: ASCII letters in either case.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

template <typename Object>
struct Member {
  std::string_view name;
  InvokeKind kind;
  size_t argumentCount;
  // Gives nothing when the object refuses the arguments or raises an error.
  std::optional<Variant> (*call)(Object& self, const std::vector<Variant>& args);
};

// An unknown name, a kind of call the member lacks or a wrong argument count gives nothing,
// as DISP_E_UNKNOWNNAME, DISP_E_MEMBERNOTFOUND and DISP_E_BADPARAMCOUNT do through COM.
template <typename Object>
std::optional<Variant> InvokeMember(std::span<const Member<Object>> members, Object& self,
                                    std::string_view name, InvokeKind kind,
                                    const std::vector<Variant>& args) {
  for (const Member<Object>& member : members) {
    if (member.kind != kind || !EqualIgnoringAsciiCase(member.name, name)) continue;
    if (args.size() != member.argumentCount) return std::nullopt;
    return member.call(self, args);
  }
  return std::nullopt;
}

}  // namespace vantrel::platform
