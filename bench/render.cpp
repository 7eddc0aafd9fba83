// A full 375 x 667 screen at scale 2, drawn as the simulator draws it: a wallpaper under a dark
// blur, 100 labels (some attributed with an inline image, some shrinking to fit) and 20 icons.
// Each frame's processor time is also put against that of one plain copy of a full-screen image
// (ratio_to_copy).
#include "render/ViewRenderer.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIVisualEffectView.h"
#include "uikit/UIWindow.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <time.h>

namespace {

constexpr CGFloat screenWidth = 375;
constexpr CGFloat screenHeight = 667;
constexpr CGFloat scale = 2;

std::shared_ptr<UIImage> gradientImage(unsigned width, unsigned height, uint8_t hue)
{
    Bitmap bitmap(width, height);
    for (unsigned y = 0; y < height; ++y) {
        for (unsigned x = 0; x < width; ++x) {
            uint8_t* p = bitmap.pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 255 / width);
            p[1] = static_cast<uint8_t>(y * 255 / height);
            p[2] = hue;
            p[3] = 255;
        }
    }
    return UIImage::imageWithBitmap(std::move(bitmap), scale);
}

std::shared_ptr<UIWindow> makeScreen()
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, screenWidth, screenHeight));
    auto wallpaper = UIImageView::create(window->bounds());
    wallpaper->setImage(gradientImage(750, 1334, 160));
    window->addSubview(wallpaper);
    auto blur = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    blur->setFrame(window->bounds());
    window->addSubview(blur);

    auto icon = gradientImage(28, 28, 40);
    auto light = UIFont::fontWithName("HelveticaNeue-Light", 12);
    // Four columns of 25 rows above the icons.
    for (int i = 0; i < 100; ++i) {
        auto label = UILabel::create(CGRectMake(4 + (i % 4) * 92.75, 6 + (i / 4) * 23.0, 88, 20));
        label->setTextColor(UIColor::whiteColor());
        label->setFont(light);
        if (i % 5 == 0) {
            auto text = NSMutableAttributedString::create();
            text->appendAttributedString(
                *NSAttributedString::attributedStringWithAttachment(NSTextAttachment::create(icon)));
            text->appendAttributedString(
                NSAttributedString(" 07:30 #" + std::to_string(i), { .font = light }));
            label->setAttributedText(text);
        } else {
            label->setAdjustsFontSizeToFitWidth(i % 3 == 0);
            label->setTextAlignment(i % 3);
            label->setText(
                i % 3 == 0 ? "Team meeting, room " + std::to_string(i) : "Room " + std::to_string(i));
        }
        window->addSubview(label);
    }
    for (int i = 0; i < 20; ++i) {
        auto view = UIImageView::create(CGRectMake(8 + (i % 10) * 36, 600 + (i / 10) * 34, 30, 30));
        view->setImage(gradientImage(60, 60, static_cast<uint8_t>(i * 12)));
        view->layer().setCornerRadius(7);
        view->setClipsToBounds(true);
        window->addSubview(view);
    }
    window->layoutIfNeeded();
    return window;
}

// This thread's processor time: other work on a busy machine does not count against a frame.
double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One full-screen image copied onto another of the same size: the cheapest possible frame.
double fullScreenCopySeconds(const render::Picture& source)
{
    render::Picture target(source.width(), source.height());
    cairo_t* cr = cairo_create(target.surface());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source.surface(), 0, 0);
    constexpr int copies = 200;
    double start = cpuSeconds();
    for (int i = 0; i < copies; ++i)
        cairo_paint(cr);
    cairo_surface_flush(target.surface());
    double seconds = (cpuSeconds() - start) / copies;
    cairo_destroy(cr);
    return seconds;
}

void RenderFullScreen(benchmark::State& state)
{
    auto window = makeScreen();
    render::ViewRenderer renderer(scale);
    double copySeconds = fullScreenCopySeconds(renderer.render(*window));
    double total = 0;
    for (auto _ : state) {
        double start = cpuSeconds();
        render::Picture picture = renderer.render(*window);
        total += cpuSeconds() - start;
        benchmark::DoNotOptimize(picture.surface());
    }
    double frame = total / static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_frame"] = frame * 1e3;
    state.counters["copy_cpu_ms"] = copySeconds * 1e3;
    state.counters["ratio_to_copy"] = frame / copySeconds;
}
BENCHMARK(RenderFullScreen)->Unit(benchmark::kMillisecond);

void WriteFullScreenPNG(benchmark::State& state)
{
    auto window = makeScreen();
    render::Picture picture = render::ViewRenderer(scale).render(*window);
    auto path = std::filesystem::temp_directory_path() / "lumora-bench-render.png";
    for (auto _ : state)
        picture.writePNG(path);
    std::filesystem::remove(path);
}
BENCHMARK(WriteFullScreenPNG)->Unit(benchmark::kMillisecond);

} // namespace
