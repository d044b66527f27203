#include "automation/regexp_object.h"

#include <array>

#include "automation/argument_coercion.h"
#include "automation/match_objects.h"
#include "automation/member_table.h"
#include "automation/regexp_search.h"
#include "automation/replacement.h"

namespace vantrel::platform {

namespace {

using Args = std::vector<Variant>;

class RegExpObject final : public AutomationObject {
 public:
  std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                const Args& args) override {
    return InvokeMember<RegExpObject>(kMembers, *this, member, kind, args);
  }

 private:
  template <bool RegExpSettings::*flag>
  static std::optional<Variant> GetFlag(RegExpObject& self, const Args&) {
    return Variant::Bool(self.settings_.*flag);
  }
  template <bool RegExpSettings::*flag>
  static std::optional<Variant> PutFlag(RegExpObject& self, const Args& args) {
    const std::optional<bool> value = ArgumentAsBool(args[0]);
    if (!value) return std::nullopt;
    self.settings_.*flag = *value;
    return Variant();
  }

  static std::optional<Variant> GetPattern(RegExpObject& self, const Args&) {
    return Variant::String(self.settings_.pattern);
  }
  static std::optional<Variant> PutPattern(RegExpObject& self, const Args& args) {
    std::optional<std::u16string> pattern = ArgumentAsString(args[0]);
    if (!pattern) return std::nullopt;
    self.settings_.pattern = std::move(*pattern);
    return Variant();
  }

  static std::optional<Variant> Execute(RegExpObject& self, const Args& args) {
    std::optional<std::u16string> subject = ArgumentAsString(args[0]);
    if (!subject) return std::nullopt;
    std::optional<std::vector<MatchSpan>> matches = FindMatches(self.settings_, *subject);
    if (!matches) return std::nullopt;
    auto results =
        std::make_shared<MatchResults>(MatchResults{std::move(*subject), std::move(*matches)});
    return Variant::Object(MakeMatchCollection(std::move(results)));
  }

  static std::optional<Variant> Replace(RegExpObject& self, const Args& args) {
    const std::optional<std::u16string> subject = ArgumentAsString(args[0]);
    const std::optional<std::u16string> replacement = ArgumentAsString(args[1]);
    if (!subject || !replacement) return std::nullopt;
    const std::optional<std::vector<MatchSpan>> matches = FindMatches(self.settings_, *subject);
    if (!matches) return std::nullopt;
    return Variant::String(ReplaceMatches(*subject, *matches, *replacement));
  }

  static std::optional<Variant> Test(RegExpObject& self, const Args& args) {
    const std::optional<std::u16string> subject = ArgumentAsString(args[0]);
    if (!subject) return std::nullopt;
    RegExpSettings firstOnly = self.settings_;
    firstOnly.global = false;
    const std::optional<std::vector<MatchSpan>> matches = FindMatches(firstOnly, *subject);
    if (!matches) return std::nullopt;
    return Variant::Bool(!matches->empty());
  }

  static constexpr std::array<Member<RegExpObject>, 11> kMembers{{
      {"IgnoreCase", InvokeKind::kPropertyGet, 0, &GetFlag<&RegExpSettings::ignoreCase>},
      {"IgnoreCase", InvokeKind::kPropertyPut, 1, &PutFlag<&RegExpSettings::ignoreCase>},
      {"Multiline", InvokeKind::kPropertyGet, 0, &GetFlag<&RegExpSettings::multiline>},
      {"Multiline", InvokeKind::kPropertyPut, 1, &PutFlag<&RegExpSettings::multiline>},
      {"Global", InvokeKind::kPropertyGet, 0, &GetFlag<&RegExpSettings::global>},
      {"Global", InvokeKind::kPropertyPut, 1, &PutFlag<&RegExpSettings::global>},
      {"Pattern", InvokeKind::kPropertyGet, 0, &GetPattern},
      {"Pattern", InvokeKind::kPropertyPut, 1, &PutPattern},
      {"Execute", InvokeKind::kMethod, 1, &Execute},
      {"Replace", InvokeKind::kMethod, 2, &Replace},
      {"Test", InvokeKind::kMethod, 1, &Test},
  }};

  // A new object: case matters, one match, ^ and $ only at the ends, the empty pattern.
  RegExpSettings settings_;
};

}  // namespace

ObjectRef MakeRegExpObject() { return std::make_shared<RegExpObject>(); }

}  // namespace vantrel::platform
