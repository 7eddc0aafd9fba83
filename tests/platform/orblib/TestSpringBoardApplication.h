#pragma once

#include "contracts/SpringBoardApplication.h"
#include "uikit/UIApplication.h"

// An application object answering SpringBoard's orientation, as the host's does.
class TestSpringBoardApplication : public UIApplication, public contracts::SpringBoardApplication {
    OBJC_CLASS(TestSpringBoardApplication, UIApplication)
public:
    long orientation { 1 };
    long _getSpringBoardOrientation() override { return orientation; }
};
