#pragma once

#include "foundation/NSObjCRuntime.h"
#include "objc/NSObject.h"

#include <functional>
#include <memory>
#include <string>

class UIImage;

enum UIBarButtonItemStyle : NSInteger {
    UIBarButtonItemStylePlain = 0,
    UIBarButtonItemStyleBordered = 1,
    UIBarButtonItemStyleDone = 2,
};

// A button of a navigation bar: an image or a title, and the action a tap on it sends. The
// target is held weakly; once it is gone the action is skipped.
class UIBarButtonItem : public NSObject {
    OBJC_CLASS(UIBarButtonItem, NSObject)
public:
    using Action = std::function<void()>;

    UIBarButtonItem(
        std::shared_ptr<UIImage> image, std::string title, UIBarButtonItemStyle style, Action action);

    // initWithImage:style:target:action:
    template <class Target, class T>
    static std::shared_ptr<UIBarButtonItem> create(std::shared_ptr<UIImage> image, UIBarButtonItemStyle style,
        const std::shared_ptr<Target>& target, void (T::*action)())
    {
        return std::make_shared<UIBarButtonItem>(
            std::move(image), std::string(), style, bind(target, action));
    }
    // initWithTitle:style:target:action:
    template <class Target, class T>
    static std::shared_ptr<UIBarButtonItem> create(std::string title, UIBarButtonItemStyle style,
        const std::shared_ptr<Target>& target, void (T::*action)())
    {
        return std::make_shared<UIBarButtonItem>(nullptr, std::move(title), style, bind(target, action));
    }

    const std::shared_ptr<UIImage>& image() const { return m_image; }
    const std::string& title() const { return m_title; }
    UIBarButtonItemStyle style() const { return m_style; }
    // What a tap on the item's button does.
    void sendAction() const;

private:
    template <class Target, class T>
    static Action bind(const std::shared_ptr<Target>& target, void (T::*action)())
    {
        std::weak_ptr<T> weakTarget = target;
        return [weakTarget, action] {
            if (auto strongTarget = weakTarget.lock())
                ((*strongTarget).*action)();
        };
    }

    std::shared_ptr<UIImage> m_image;
    std::string m_title;
    UIBarButtonItemStyle m_style;
    Action m_action;
};
