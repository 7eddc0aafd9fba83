#pragma once

#include <memory>
#include <string>

class NSObject;
class PSSpecifier;

namespace preferences {

// How a stored value reads on a row, and when two values are the same choice: texts by their
// text, numbers and switches by their number, so a list whose choices are 1 and 2 finds the
// stored "1" too.
class PreferenceValue {
public:
    static std::string text(const std::shared_ptr<NSObject>&);
    static bool same(const std::shared_ptr<NSObject>&, const std::shared_ptr<NSObject>&);
    // The list's title for the value's choice; empty when none matches.
    static std::string titleForValue(const PSSpecifier& list, const std::shared_ptr<NSObject>&);
};

} // namespace preferences
