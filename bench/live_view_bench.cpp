// Live_view speed: one redraw from a moved level slider to the painted
// picture window, with each ditherer, in offscreen converter windows: the
// main window's 512 x 256 monochrome and 256 x 256 four-colour screens
// (goal: at most 16 ms), also with a 4000 x 3000 photo fitted to the window,
// and the 11M window's largest areas, 512 x 767 monochrome and 256 x 767
// four-colour (goal: at most 40 ms), each showing the test card over the
// whole area. A round moves the slider and waits, without spinning, until
// the picture window has painted: its time includes the platform's pause
// before a repaint (5 ms), its CPU time only what the program's own thread
// did.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>

#include "bench/largest_11m_area.h"
#include "bench/sample_path.h"
#include "converter/main_window.h"
#include "platform/picture_window.h"
#include "tests/support/paint_counter.h"

namespace {

using converter::Dither;
using testing_support::PaintCounter;

struct LevelSlider {
    const char* dialog_item;
    const char* dialog;
    const char* slider;
};
constexpr LevelSlider bw_slider{"bwlev_mnu", "Form2", "Slider1"};
constexpr LevelSlider blue_slider{"collev_mnu", "Form3", "Slider3"};

QSlider* open_slider(QMainWindow& window, const LevelSlider& level) {
    // Quiet while the offscreen platform says that it cannot raise the dialog.
    const QtMessageHandler said = qInstallMessageHandler([](auto...) {});
    window.findChild<QAction*>(level.dialog_item)->trigger();
    qInstallMessageHandler(said);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == level.dialog) return top->findChild<QSlider*>(level.slider);
    return nullptr;
}

// With Live_view on and the result of `view_item` shown, moves the slider
// to and fro, a level each round.
void redraw_live(benchmark::State& state, QMainWindow& window, converter::ConverterState& program,
                 const char* view_item, const LevelSlider& level) {
    program.dither = Dither(state.range(0));
    window.findChild<QAction*>("liveview_mnu")->setChecked(true);
    window.findChild<QAction*>(view_item)->trigger();
    QSlider* slider = open_slider(window, level);
    PaintCounter counter;
    window.findChild<platform::PictureWindow*>("Picture1")->installEventFilter(&counter);
    QApplication::processEvents();
    int value = 100;
    for (auto _ : state) {
        const int painted = counter.paints;
        value = value == 100 ? 160 : 100;
        slider->setValue(value);
        QElapsedTimer waited;
        waited.start();
        while (counter.paints == painted && waited.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (counter.paints == painted) state.SkipWithError("the picture window was not painted");
    }
}

void each_dither(benchmark::internal::Benchmark* bench) {
    bench->ArgName("dither")->Unit(benchmark::kMillisecond);
    for (const converter::DitherInfo& info : converter::dithers) bench->Arg(int(info.dither));
}

// The main window in a mode with the test card at its natural size, or
// fitted to the window as a photo of 4000 x 3000 pixels.
void main_window(benchmark::State& state, const char* mode_item, const char* view_item,
                 const LevelSlider& level, bool fitted_photo) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    platform::ScriptedModal modal;
    converter::ConverterState program(folder.string());
    converter::Form1 window(program, modal);
    std::string picture = bench::sample_path("testcard.bmp");
    if (fitted_photo) {
        const std::string photo = (folder / "kvaro_live_bench_photo.bmp").string();
        QImage(QString::fromStdString(picture))
            .scaled(4000, 3000)
            .save(QString::fromStdString(photo));
        picture = photo;
    }
    modal.files.push_back(picture);
    window.findChild<QAction*>("open_mnu")->trigger();
    window.findChild<QAction*>(mode_item)->trigger();
    if (fitted_photo) {
        window.findChild<QAction*>("ftw_mnu")->trigger();
        std::filesystem::remove(picture);
    }
    window.show();
    redraw_live(state, window, program, view_item, level);
}
BENCHMARK_CAPTURE(main_window, mono_512x256, "s512_mnu", "vm_mnu", bw_slider, false)
    ->Apply(each_dither);
BENCHMARK_CAPTURE(main_window, colour_256x256, "s256_mnu", "vcol_mnu", blue_slider, false)
    ->Apply(each_dither);
BENCHMARK_CAPTURE(main_window, colour_256x256_fitted_photo, "s256_mnu", "vcol_mnu", blue_slider,
                  true)
    ->Apply(each_dither);

// The 11M window's largest area with the test card stretched over it.
void largest_11m_area(benchmark::State& state, bool mono, const char* view_item,
                      const LevelSlider& level) {
    bench::LargestArea area(mono);
    const std::string picture = (area.output / "testcard_large.bmp").string();
    QImage(QString(KVARO_SAMPLES) + "/testcard.bmp")
        .scaled(area.window.area().width(), area.window.area().height())
        .save(QString::fromStdString(picture));
    area.modal.files.push_back(picture);
    area.action("open_mnu")->trigger();
    if (!area.sized) state.SkipWithError("the area did not reach its largest size");
    redraw_live(state, area.window, area.state, view_item, level);
}
BENCHMARK_CAPTURE(largest_11m_area, mono_512x767, true, "vm_mnu", bw_slider)->Apply(each_dither);
BENCHMARK_CAPTURE(largest_11m_area, colour_256x767, false, "vcol_mnu", blue_slider)
    ->Apply(each_dither);

}  // namespace
