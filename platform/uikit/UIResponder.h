#pragma once

#include "objc/NSObject.h"

class UIResponder : public NSObject {
    OBJC_CLASS(UIResponder, NSObject)
};
