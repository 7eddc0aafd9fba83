// Respring after respring with the clock overlay left open, as lumora-sim runs them.
#include "DeviceProfile.h"
#include "DeviceRoot.h"
#include "OutputFolder.h"
#include "Script.h"
#include "ScriptRunner.h"
#include "Simulator.h"

#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <malloc.h>
#include <sstream>
#include <vector>

TEST(Respring, WithTheClockOverlayOpenLeavesNothingOfTheEndedProcessAndTheHeapFlat)
{
    DeviceRoot root(std::nullopt, false);
    OutputFolder output(std::filesystem::temp_directory_path());
    Simulator simulator(DeviceProfile::demo());
    std::ostringstream printed;
    ScriptRunner runner(simulator, output, printed, printed);
    auto script = Script::parse("advance 1s\n"
                                "tap _timeContainerView\n"
                                "advance 1s\n"
                                "expect LMTimeDisplayView.isActive == true\n"
                                "respring\n",
        "respring-test");
    std::vector<std::size_t> heap;
    for (int respring = 1; respring <= 12; ++respring) {
        auto generation = objc::Runtime::processGeneration();
        runner.run(script);
        EXPECT_EQ(objc::Runtime::liveObjects(generation), 0) << "objects alive after respring " << respring;
        heap.push_back(mallinfo2().uordblks);
    }
    // The first resprings fill caches kept for the OS process (fonts, calendars, formats); after
    // that a respring leaves the heap as it found it. (Under AddressSanitizer the heap is not
    // malloc's and reads 0; the leak checker covers it there.)
    EXPECT_LT(heap.back(), heap[3] + 64 * 1024)
        << "heap after 4 resprings " << heap[3] << ", after 12 " << heap.back();
}
