// VBScript.RegExp: IgnoreCase, Multiline, Global and Pattern properties; Execute, Replace and
// Test methods. A pattern is accepted as written and only compiled when it is used, so an
// invalid one makes the method fail, not the Pattern write.
#pragma once

#include "pattern/automation.h"

namespace vantrel::platform {

ObjectRef MakeRegExpObject();

}  // namespace vantrel::platform
