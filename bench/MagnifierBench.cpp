// One magnifier tick (the pixel read, the enlargement of the screen round it into the view and
// every control update, with the repaints they cause) on the real Win32 platform in this
// process, against a bare StretchBlt of the same size from the screen, alternated in one
// run; a tick at 20x with its grid against one at 5x; a zoom step until it is on the screen;
// before that, the private memory of the open magnifier with a full history against the
// same with none.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/win32/Windows.h"

#include <psapi.h>

#include "bench/Measure.h"
#include "picker/MagnifierWindow.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"
#include "ruler/RulerWindow.h"

namespace {

using lindrel::bench::median;
using lindrel::bench::nowMs;

// CPU time of this thread, user and kernel, in ms.
double threadCpuMs() {
  FILETIME created, ended, kernel, user;
  ::GetThreadTimes(::GetCurrentThread(), &created, &ended, &kernel, &user);
  const auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

// Private memory in KB: the page-file-backed bytes, which Windows counts as the private
// bytes and Wine, whose private bytes stay 0, as the process's anonymous resident and swapped
// memory on Linux (RssAnon + VmSwap, as scripts/bench reads it for whole programs).
double privateKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / 1024.0;
}

struct Batch {
  double cpuMs;   // per repetition
  double wallMs;  // per repetition
};

// The mean CPU and wall time of one step over n steps, each after an untimed `between`.
// Wine's thread clock moves in 10 ms steps; summed over a batch, its readings average out.
template <class Step, class Between>
Batch measure(int n, Step step, Between between) {
  double cpu = 0, wall = 0;
  for (int i = 0; i < n; ++i) {
    between(i);
    const double c0 = threadCpuMs(), w0 = nowMs();
    step();
    wall += nowMs() - w0;
    cpu += threadCpuMs() - c0;
  }
  return Batch{cpu / n, wall / n};
}

}  // namespace

int main(int argc, char** argv) {
  const int batches = argc > 1 ? std::atoi(argv[1]) : 15;
  const int perBatch = argc > 2 ? std::atoi(argv[2]) : 200;

  lindrel::platform::win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  lindrel::Application app(platform);
  app.start();
  lindrel::MagnifierWindow& magnifier = app.magnifier();
  magnifier.open(app.ruler().window().rect());
  platform.pump(500);

  // A thousand colours set one after another leave the history full; the swatches were
  // there, empty, from the start.
  const double emptyKb = privateKb();
  for (int i = 0; i < 1000; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "#%06X", 0x010203 * i & 0xFFFFFF);  // an odd step: all differ
    magnifier.codeBox().setText(code);
    magnifier.applyTypedCode();
    platform.pump(0);
  }
  const double fullKb = privateKb();

  // Moving: the pointer goes between the yellow ruler and the desktop, so every tick finds a
  // new colour and rewrites every control, as picking does while the hand moves. Still: the
  // same colour again, so only the enlarged image is painted anew.
  const lindrel::platform::Rect ruler = app.ruler().window().rect();
  const POINT spots[2] = {{ruler.left + 81, ruler.bottom - 8}, {ruler.left + 81, ruler.top - 60}};
  const auto moveBetweenSpots = [&](int i) { ::SetCursorPos(spots[i % 2].x, spots[i % 2].y); };
  const auto stayOnTheRuler = [&](int) { ::SetCursorPos(spots[0].x, spots[0].y); };
  // The pen held, as picking holds it, but its timer stopped: the bench makes the ticks.
  magnifier.penButton().onMouseDown(lindrel::platform::MouseEvent{});
  magnifier.sampleTimer().setEnabled(false);
  const auto tick = [&] {
    magnifier.sampleTick();
    platform.pump(0);  // the repaints the tick asked for
  };

  using namespace lindrel::platform::win32;
  MemoryDc memory;
  GdiObject bitmap;
  {
    const WindowDc screen = getWindowDc(nullptr);
    memory = MemoryDc(::CreateCompatibleDC(screen.get()));
    bitmap = GdiObject(::CreateCompatibleBitmap(screen.get(), 500, 500));
  }
  const SelectGuard select(memory.get(), bitmap.get());
  ::SetStretchBltMode(memory.get(), COLORONCOLOR);
  const auto bareStretch = [&] {
    POINT at;
    ::GetCursorPos(&at);
    const WindowDc screen = getWindowDc(nullptr);
    ::StretchBlt(memory.get(), 0, 0, 500, 500, screen.get(), at.x - 20, at.y - 20, 100, 100, SRCCOPY);
  };

  // A zoom step as the wheel makes it, until every repaint it asked for is done.
  int zoomStep = 0;
  const auto stepZoom = [&] {
    magnifier.setZoom(lindrel::magnified::kZoomSteps[zoomStep++ % lindrel::magnified::kZoomSteps.size()]);
    platform.pump(0);
  };

  std::vector<double> movingCpu, movingWall, stillCpu, bareCpu, bareWall, at20Cpu, at5Cpu, zoomWall;
  for (int b = 0; b < batches; ++b) {
    const Batch moving = measure(perBatch, tick, moveBetweenSpots);
    const Batch still = measure(perBatch, tick, stayOnTheRuler);
    const Batch bare = measure(perBatch, bareStretch, moveBetweenSpots);
    movingCpu.push_back(moving.cpuMs);
    movingWall.push_back(moving.wallMs);
    stillCpu.push_back(still.cpuMs);
    bareCpu.push_back(bare.cpuMs);
    bareWall.push_back(bare.wallMs);
    // The view's painting alone: the colour holds, so no other control changes.
    magnifier.setZoom(20);
    at20Cpu.push_back(measure(perBatch, tick, stayOnTheRuler).cpuMs);
    magnifier.setZoom(5);
    at5Cpu.push_back(measure(perBatch, tick, stayOnTheRuler).cpuMs);
    zoomWall.push_back(measure(perBatch / 10, stepZoom, [](int) {}).wallMs);
    magnifier.setZoom(5);
  }

  const double cpu = median(movingCpu), wall = median(movingWall), idle = median(stillCpu);
  const double cpuBase = median(bareCpu), wallBase = median(bareWall);
  const std::string of = " (median, " + std::to_string(batches) + "x" + std::to_string(perBatch) + ")";
  namespace bench = lindrel::bench;
  bench::row("private memory, magnifier, full history", fullKb / 1024, "MB", emptyKb / 1024,
             "<= empty history + 1 MB", fullKb - emptyKb <= 1024);
  bench::row("magnifier tick, colour changing, CPU" + of, cpu, "ms", cpuBase, "-", std::nullopt);
  bench::row("magnifier tick, colour changing, wall time", wall, "ms", wallBase, "-", std::nullopt);
  bench::row("magnifier tick, colour unchanged, CPU", idle, "ms", cpuBase, "-", std::nullopt);
  // 20 ticks a second: ms per tick x 20 per s / 1000 ms per s x 100 %.
  bench::row("picking at 20 Hz, moving, CPU of one core", cpu * 2, "%", cpuBase * 2, "< 5% of one core", cpu * 2 < 5);
  bench::row("picking at 20 Hz, still, CPU of one core", idle * 2, "%", cpuBase * 2, "< 5% of one core", idle * 2 < 5);
  const double at20 = median(at20Cpu), at5 = median(at5Cpu), zoom = median(zoomWall);
  bench::row("magnifier tick at 20x with the grid, CPU", at20, "ms", at5, "<= 1.3 x a tick at 5x", at20 <= 1.3 * at5);
  bench::row("zoom step until repainted, wall time", zoom, "ms", wallBase, "<= 16 ms", zoom <= 16);
  return 0;
}
