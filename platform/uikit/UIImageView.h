#pragma once

#include "dispatch/RunLoop.h"
#include "foundation/NSObjCRuntime.h"
#include "uikit/UIView.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

class UIImage;

// Shows an image, scaled to fill the view, or, while animating, steps through its animation
// images on the main run loop's clock: each image shows for an equal share of the animation
// duration (1/30 s each when the duration is 0), and after animationRepeatCount cycles (0:
// without end) the animation stops by itself and the image shows again.
class UIImageView : public UIView {
    OBJC_CLASS(UIImageView, UIView)
public:
    explicit UIImageView(CGRect frame = CGRectZero);
    static std::shared_ptr<UIImageView> create(CGRect frame = CGRectZero)
    {
        return std::make_shared<UIImageView>(frame);
    }
    // Sized to the image, at the origin.
    static std::shared_ptr<UIImageView> initWithImage(std::shared_ptr<UIImage> image);

    const std::shared_ptr<UIImage>& image() const { return m_image; }
    void setImage(std::shared_ptr<UIImage> image) { m_image = std::move(image); }

    const std::vector<std::shared_ptr<UIImage>>& animationImages() const { return m_animationImages; }
    void setAnimationImages(std::vector<std::shared_ptr<UIImage>> images);
    NSTimeInterval animationDuration() const { return m_animationDuration; }
    void setAnimationDuration(NSTimeInterval duration) { m_animationDuration = std::max(0.0, duration); }
    NSInteger animationRepeatCount() const { return m_animationRepeatCount; }
    void setAnimationRepeatCount(NSInteger count) { m_animationRepeatCount = std::max<NSInteger>(0, count); }

    // Starts from the first image; does nothing without animation images.
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const;
    // The image on screen now.
    std::shared_ptr<UIImage> displayedImage() const;

    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    NSTimeInterval cycleDuration() const;
    // How many images into the animation the clock is, or nothing once it has ended.
    std::optional<size_t> currentFrame() const;

    std::shared_ptr<UIImage> m_image;
    std::vector<std::shared_ptr<UIImage>> m_animationImages;
    NSTimeInterval m_animationDuration { 0 };
    NSInteger m_animationRepeatCount { 0 };
    std::optional<CFAbsoluteTime> m_animationStart;
};
