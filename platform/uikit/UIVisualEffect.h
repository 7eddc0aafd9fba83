#pragma once

#include "objc/NSObject.h"

class UIVisualEffect : public NSObject {
    OBJC_CLASS(UIVisualEffect, NSObject)
};
