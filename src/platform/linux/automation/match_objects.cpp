#include "automation/match_objects.h"

#include <array>

#include "automation/argument_coercion.h"
#include "automation/member_table.h"

namespace vantrel::platform {

namespace {

using Results = std::shared_ptr<const MatchResults>;
using Args = std::vector<Variant>;

int32_t AsCount(size_t n) { return static_cast<int32_t>(n); }

// The 0-based index an Item call names, when it is inside [0, count).
std::optional<size_t> IndexInRange(const Variant& index, size_t count) {
  const std::optional<int32_t> i = ArgumentAsInt(index);
  if (!i || *i < 0 || static_cast<size_t>(*i) >= count) return std::nullopt;
  return static_cast<size_t>(*i);
}

// SubMatches: Count; Item(index), a group's string, or empty for a group that took no part.
class SubMatchesObject final : public AutomationObject {
 public:
  SubMatchesObject(Results results, size_t match) : results_(std::move(results)), match_(match) {}

  std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                const Args& args) override {
    static constexpr std::array<Member<SubMatchesObject>, 2> kMembers{{
        {"Count", InvokeKind::kPropertyGet, 0,
         [](SubMatchesObject& self, const Args&) -> std::optional<Variant> {
           return Variant::Int(AsCount(self.Groups().size()));
         }},
        {"Item", InvokeKind::kPropertyGet, 1,
         [](SubMatchesObject& self, const Args& args) -> std::optional<Variant> {
           const auto& groups = self.Groups();
           const std::optional<size_t> i = IndexInRange(args[0], groups.size());
           if (!i) return std::nullopt;
           if (!groups[*i]) return Variant();
           return Variant::String(
               self.results_->subject.substr(groups[*i]->start, groups[*i]->length));
         }},
    }};
    return InvokeMember<SubMatchesObject>(kMembers, *this, member, kind, args);
  }

 private:
  const std::vector<std::optional<Span>>& Groups() const {
    return results_->matches[match_].groups;
  }

  Results results_;
  size_t match_;
};

// Match: Value, FirstIndex and Length in UTF-16 code units, SubMatches.
class MatchObject final : public AutomationObject {
 public:
  MatchObject(Results results, size_t match) : results_(std::move(results)), match_(match) {}

  std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                const Args& args) override {
    static constexpr std::array<Member<MatchObject>, 4> kMembers{{
        {"Value", InvokeKind::kPropertyGet, 0,
         [](MatchObject& self, const Args&) -> std::optional<Variant> {
           const Span& whole = self.Whole();
           return Variant::String(self.results_->subject.substr(whole.start, whole.length));
         }},
        {"FirstIndex", InvokeKind::kPropertyGet, 0,
         [](MatchObject& self, const Args&) -> std::optional<Variant> {
           return Variant::Int(AsCount(self.Whole().start));
         }},
        {"Length", InvokeKind::kPropertyGet, 0,
         [](MatchObject& self, const Args&) -> std::optional<Variant> {
           return Variant::Int(AsCount(self.Whole().length));
         }},
        {"SubMatches", InvokeKind::kPropertyGet, 0,
         [](MatchObject& self, const Args&) -> std::optional<Variant> {
           return Variant::Object(std::make_shared<SubMatchesObject>(self.results_, self.match_));
         }},
    }};
    return InvokeMember<MatchObject>(kMembers, *this, member, kind, args);
  }

 private:
  const Span& Whole() const { return results_->matches[match_].whole; }

  Results results_;
  size_t match_;
};

class MatchCollectionObject final : public AutomationObject {
 public:
  explicit MatchCollectionObject(Results results) : results_(std::move(results)) {}

  std::optional<Variant> Invoke(std::string_view member, InvokeKind kind,
                                const Args& args) override {
    static constexpr std::array<Member<MatchCollectionObject>, 2> kMembers{{
        {"Count", InvokeKind::kPropertyGet, 0,
         [](MatchCollectionObject& self, const Args&) -> std::optional<Variant> {
           return Variant::Int(AsCount(self.results_->matches.size()));
         }},
        {"Item", InvokeKind::kPropertyGet, 1,
         [](MatchCollectionObject& self, const Args& args) -> std::optional<Variant> {
           const std::optional<size_t> i = IndexInRange(args[0], self.results_->matches.size());
           if (!i) return std::nullopt;
           return Variant::Object(std::make_shared<MatchObject>(self.results_, *i));
         }},
    }};
    return InvokeMember<MatchCollectionObject>(kMembers, *this, member, kind, args);
  }

 private:
  Results results_;
};

}  // namespace

ObjectRef MakeMatchCollection(std::shared_ptr<const MatchResults> results) {
  return std::make_shared<MatchCollectionObject>(std::move(results));
}

}  // namespace vantrel::platform
