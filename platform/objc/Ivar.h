#pragma once

#include <functional>
#include <string>
#include <typeindex>

class NSObject;

// An instance variable: its name, the type it holds, and how to reach it in an object.
struct objc_ivar {
    std::string name;
    std::type_index type;
    std::function<void*(NSObject*)> address; // nullptr when the object is not of the declaring class
};
using Ivar = const objc_ivar*;
