#include "uikit/UIImageView.h"

#include "dispatch/RunLoop.h"
#include "uikit/UIImage.h"
#include "uikit/ViewDump.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace {

constexpr NSTimeInterval defaultFrameDuration = 1.0 / 30;

CFAbsoluteTime now()
{
    return dispatch::RunLoop::main().now();
}

} // namespace

UIImageView::UIImageView(CGRect frame)
    : UIView(frame)
{
    setUserInteractionEnabled(false);
}

std::shared_ptr<UIImageView> UIImageView::initWithImage(std::shared_ptr<UIImage> image)
{
    CGSize size = image ? image->size() : CGSizeMake(0, 0);
    auto view = create(CGRectMake(0, 0, size.width, size.height));
    view->setImage(std::move(image));
    return view;
}

void UIImageView::setAnimationImages(std::vector<std::shared_ptr<UIImage>> images)
{
    m_animationImages = std::move(images);
    if (m_animationImages.empty())
        m_animationStart.reset();
}

void UIImageView::startAnimating()
{
    if (!m_animationImages.empty())
        m_animationStart = now();
}

void UIImageView::stopAnimating()
{
    m_animationStart.reset();
}

bool UIImageView::isAnimating() const
{
    return currentFrame().has_value();
}

NSTimeInterval UIImageView::cycleDuration() const
{
    return m_animationDuration > 0 ? m_animationDuration : defaultFrameDuration * m_animationImages.size();
}

std::optional<size_t> UIImageView::currentFrame() const
{
    if (!m_animationStart || m_animationImages.empty())
        return std::nullopt;
    size_t count = m_animationImages.size();
    // In frames rather than seconds, so that a frame boundary falls exactly where it is due.
    double elapsedFrames = (now() - *m_animationStart) * count / cycleDuration();
    double frame = std::floor(elapsedFrames + 1e-9);
    if (m_animationRepeatCount > 0 && frame >= double(m_animationRepeatCount) * count)
        return std::nullopt;
    return static_cast<size_t>(std::fmod(std::max(0.0, frame), double(count)));
}

std::shared_ptr<UIImage> UIImageView::displayedImage() const
{
    auto frame = currentFrame();
    return frame ? m_animationImages[*frame] : m_image;
}

void UIImageView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["image"] = ViewDump::image(m_image);
    if (m_animationImages.empty())
        return;
    auto images = nlohmann::ordered_json::array();
    for (auto& image : m_animationImages)
        images.push_back(ViewDump::image(image));
    entry["animationImages"] = std::move(images);
    entry["animationDuration"] = ViewDump::number(m_animationDuration);
    entry["animationRepeatCount"] = m_animationRepeatCount;
    entry["animating"] = isAnimating();
    if (auto frame = currentFrame())
        entry["animationFrame"] = *frame;
}
