// The objects Execute hands back: the match collection, each match and its submatches.
//
// They share one immutable record of the search, so a match taken from the collection stays
// valid however long it is held and whatever the RegExp object does afterwards.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "automation/regexp_search.h"
#include "pattern/automation.h"

namespace vantrel::platform {

struct MatchResults {
  std::u16string subject;
  std::vector<MatchSpan> matches;
};

// MatchCollection: Count; Item(index), 0-based, an integer or a double.
ObjectRef MakeMatchCollection(std::shared_ptr<const MatchResults> results);

}  // namespace vantrel::platform
