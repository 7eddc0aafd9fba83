#pragma once

#include "contracts/ClassMessages.h"
#include "contracts/SBApplication.h"

#include <string>

class UIImage;
class UIImageView;

namespace contracts {

// An installed app as the support library presents it.
class OBAppItem {
public:
    // Answers nothing when no such app is installed.
    static inline const objc::Message<std::shared_ptr<NSObject>(std::string, bool)> initFromIdentifier {
        "initFromIdentifier:loadSnapshot:"
    };

    virtual ~OBAppItem() = default;
    virtual std::shared_ptr<UIImage> iconImage() = 0;
    virtual std::shared_ptr<UIImageView> iconImageView() = 0;
    virtual std::shared_ptr<SBApplication> app() = 0;
};

} // namespace contracts
