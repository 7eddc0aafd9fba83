#pragma once

#include <string>
#include <string_view>

// A selector is the interned full text of a method name ("_layoutGrabberView:atTop:").
// Interning makes selectors comparable by identity; they live for the whole OS process.
struct objc_selector {
    std::string name;
};
using SEL = const objc_selector*;

SEL sel_registerName(std::string_view name);
const char* sel_getName(SEL selector);
