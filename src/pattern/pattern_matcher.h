// PatternMatcher: runs a regular expression over a code page 936 text with the platform's
// VBScript.RegExp automation object and answers questions about the matches.
//
// Every member access is late bound through the automation layer and nothing is cached: each
// query walks from the match collection to the match again and releases what it took.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "pattern/automation.h"
#include "pattern/text.h"

namespace vantrel {

class PatternMatcher {
 public:
  // Takes one initialisation of the automation runtime on this thread until Destroy.
  explicit PatternMatcher(AutomationLayer& layer);
  virtual ~PatternMatcher();
  PatternMatcher(const PatternMatcher&) = delete;
  PatternMatcher& operator=(const PatternMatcher&) = delete;

  // Releases the objects and the subject and gives back the runtime initialisation.
  // Safe to call more than once; the destructor calls it too.
  virtual void Destroy();
  // A new matcher sharing this one's RegExp object and matches, with its own subject copy.
  virtual std::unique_ptr<PatternMatcher> Copy() const;
  // Runs `pattern` over `subject`; true when the object gave a match collection (which may
  // hold no match). Replaces everything an earlier Create left.
  virtual bool Create(std::string_view pattern, std::string_view subject,
                      bool caseSensitive = false, bool multiline = true, bool global = true,
                      bool expandQuoteMarker = false);
  virtual void Noop();
  virtual Text GetPattern() const;
  // The subject with the matches replaced by `replacement`, in the object's replace syntax.
  virtual Text ReplaceMatches(std::string_view replacement) const;
  virtual int32_t GetMatchCount() const;
  // Text of match `matchIndex` (1-based); `startPosition`, when given, receives its 0-based
  // byte offset in the subject, or -2.
  virtual Text GetMatchText(int32_t matchIndex, int32_t* startPosition = nullptr) const;
  // Text of group `groupIndex` (1-based) of match `matchIndex` (1-based); `startPosition`, when
  // given, receives the byte offset of the first occurrence of that text at or after the
  // match's start, or -2.
  virtual Text GetSubMatchText(int32_t matchIndex, int32_t groupIndex,
                               int32_t* startPosition = nullptr) const;
  virtual int32_t GetSubMatchCount() const;

 private:
  ObjectRef Match(int32_t matchIndex) const;
  int32_t StartPosition(const ObjectRef& match, std::string_view found) const;

  AutomationLayer& layer_;
  std::unique_ptr<AutomationLayer::ThreadInit> threadInit_;
  ObjectRef regExp_;   // the VBScript.RegExp object of the last Create
  ObjectRef matches_;  // the match collection of the last Create
  Variant subject_;    // the subject as a byte array of UTF-16LE code units
};

// The pattern with every "#引号" marker replaced by a double quote, scanned byte by byte.
Text ExpandQuoteMarker(std::string_view pattern);

}  // namespace vantrel
