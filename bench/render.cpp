// A full 375 x 667 screen at scale 2, drawn as the simulator draws it: a wallpaper under a dark
// blur, 100 labels (some attributed with an inline image, some shrinking to fit) and 20 icons.
// Every frame is of a changed screen, every label's text new as a clock's is, and is then written
// as a snapshot's PNG file. Beside each frame's processor time: that of one plain copy of a
// full-screen image (ratio_to_copy), of writing the frame's PNG, and of writing it at cairo's own
// default setting, with the sizes of both files.
//
// Then the simulator's `snapshot` of the demo device's lock screen, kept lit, as the command runs
// it: the first after boot (a freshly booted device each time, all in this one program, so fonts
// already loaded stay loaded), and one after a minute has passed, each split into drawing and
// writing the PNG file.
#include "support/DemoPhone.h"

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
#include <vector>

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

struct Screen {
    std::shared_ptr<UIWindow> window;
    std::vector<std::shared_ptr<UILabel>> labels;

    // New texts for every label, as after a minute has passed.
    void change(int frame)
    {
        auto suffix = " " + std::to_string(frame % 60) + ":" + std::to_string(frame / 60 % 24);
        for (size_t i = 0; i < labels.size(); ++i) {
            if (i % 5 == 0)
                continue; // the attributed ones keep their image and text
            labels[i]->setText((i % 3 == 0 ? "Team meeting, room " : "Room ") + std::to_string(i) + suffix);
        }
        window->layoutIfNeeded();
    }
};

Screen makeScreen()
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, screenWidth, screenHeight));
    auto wallpaper = UIImageView::create(window->bounds());
    wallpaper->setImage(gradientImage(750, 1334, 160));
    window->addSubview(wallpaper);
    auto blur = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    blur->setFrame(window->bounds());
    window->addSubview(blur);

    std::vector<std::shared_ptr<UILabel>> labels;
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
        labels.push_back(label);
    }
    for (int i = 0; i < 20; ++i) {
        auto view = UIImageView::create(CGRectMake(8 + (i % 10) * 36, 600 + (i / 10) * 34, 30, 30));
        view->setImage(gradientImage(60, 60, static_cast<uint8_t>(i * 12)));
        view->layer().setCornerRadius(7);
        view->setClipsToBounds(true);
        window->addSubview(view);
    }
    window->layoutIfNeeded();
    return { window, labels };
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

double fileKilobytes(const std::filesystem::path& path)
{
    return static_cast<double>(std::filesystem::file_size(path)) / 1024;
}

void ChangedScreenAndItsPNG(benchmark::State& state)
{
    auto screen = makeScreen();
    render::ViewRenderer renderer(scale);
    double copySeconds = fullScreenCopySeconds(renderer.render(*screen.window));
    auto folder = std::filesystem::temp_directory_path();
    auto ours = folder / "lumora-bench-render.png", cairos = folder / "lumora-bench-render-cairo.png";
    double frames = 0, encoding = 0, cairoEncoding = 0;
    int frame = 0;
    for (auto _ : state) {
        screen.change(++frame);
        double start = cpuSeconds();
        render::Picture picture = renderer.render(*screen.window);
        double drawn = cpuSeconds();
        picture.writePNG(ours);
        double written = cpuSeconds();
        cairo_surface_write_to_png(picture.surface(), cairos.c_str());
        cairoEncoding += cpuSeconds() - written;
        frames += drawn - start;
        encoding += written - drawn;
    }
    auto count = static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_frame"] = frames / count * 1e3;
    state.counters["copy_cpu_ms"] = copySeconds * 1e3;
    state.counters["ratio_to_copy"] = frames / count / copySeconds;
    state.counters["png_cpu_ms"] = encoding / count * 1e3;
    state.counters["png_kB"] = fileKilobytes(ours);
    state.counters["cairo_png_cpu_ms"] = cairoEncoding / count * 1e3;
    state.counters["cairo_png_kB"] = fileKilobytes(cairos);
    std::filesystem::remove(ours);
    std::filesystem::remove(cairos);
}
BENCHMARK(ChangedScreenAndItsPNG)->Unit(benchmark::kMillisecond);

struct SnapshotCost {
    double drawing = 0;
    double writing = 0;
};

SnapshotCost snapshot(Simulator& simulator, const std::filesystem::path& file)
{
    double start = cpuSeconds();
    auto picture = simulator.snapshot();
    double drawn = cpuSeconds();
    picture.writePNG(file);
    return { drawn - start, cpuSeconds() - drawn };
}

void DemoLockScreenSnapshot(benchmark::State& state)
{
    auto file = std::filesystem::temp_directory_path() / "lumora-bench-snapshot.png";
    SnapshotCost first, later;
    for (auto _ : state) {
        state.PauseTiming();
        DemoPhone phone(DemoPhone::staysLit);
        state.ResumeTiming();
        auto cost = snapshot(phone.simulator(), file);
        first.drawing += cost.drawing;
        first.writing += cost.writing;
        state.PauseTiming();
        phone.advance(60);
        state.ResumeTiming();
        cost = snapshot(phone.simulator(), file);
        later.drawing += cost.drawing;
        later.writing += cost.writing;
    }
    auto count = static_cast<double>(state.iterations()) / 1e3;
    state.counters["first_snapshot_cpu_ms"] = (first.drawing + first.writing) / count;
    state.counters["first_draw_cpu_ms"] = first.drawing / count;
    state.counters["first_png_cpu_ms"] = first.writing / count;
    state.counters["snapshot_a_minute_later_cpu_ms"] = (later.drawing + later.writing) / count;
    state.counters["later_draw_cpu_ms"] = later.drawing / count;
    state.counters["later_png_cpu_ms"] = later.writing / count;
    state.counters["png_kB"] = fileKilobytes(file);
    std::filesystem::remove(file);
}
BENCHMARK(DemoLockScreenSnapshot)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
