#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/GenerationWorker.h"
#include "generation/PauseButton.h"

// The run on its own thread: pausing, resuming, stopping and starting over.
namespace lumo {
namespace {

using test::RunRecorder;

// Waits for a state the worker reaches on its own thread; false when it never comes.
template <typename Predicate>
bool Eventually(Predicate done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Pauses the run the first time `event` is recorded.
void PauseAt(RunRecorder& rec, GenerationWorker& worker, const std::string& event) {
    rec.onEvent = [&rec, &worker, event, done = false](const std::string& e) mutable {
        if (done || e.rfind(event, 0) != 0) return;
        done = true;
        worker.Pause();
    };
}

TEST(GenerationWorker, HoldsAtTheNextPausePointAndStopsWithoutAnotherStep) {
    struct Case {
        const char* pauseAt;
        const char* lastEvent;  // what the run did before holding
        std::size_t rows;
    } cases[] = {
        {"open", "disable menu", 0},  // between the inputs and the preparation
        {"disable highExport", "disable highExport",
         0},                                  // between the preparation and the first entry
        {"fill 0 1", "enable highPause", 1},  // between two candidates, after the first row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pauseAt);
        RunRecorder rec;
        GenerationWorker worker(test::GenerationDb());
        PauseAt(rec, worker, c.pauseAt);
        worker.Start(test::Inputs(NamingMode::HighScore, "李"), rec);
        ASSERT_TRUE(Eventually([&] { return worker.Held(); }));
        std::vector<std::string> held = rec.Events();
        EXPECT_EQ(held.back(), c.lastEvent);
        EXPECT_EQ(rec.FilledRows(), c.rows);
        EXPECT_TRUE(worker.Running());
        worker.Stop();
        EXPECT_FALSE(worker.Running());
        EXPECT_EQ(rec.Events(), held);  // no removal, no sort, no re-enabling, no closing
    }
}

TEST(GenerationWorker, PauseHandsOverTheRowsSoFarAndResumeFinishes) {
    RunRecorder rec;
    rec.family = "李";
    GenerationWorker worker(test::GenerationDb());
    PauseAt(rec, worker, "fill 1 ");  // the first full batch
    worker.Start(test::Inputs(NamingMode::HighScore, "李"), rec);
    ASSERT_TRUE(Eventually([&] { return worker.Held(); }));
    const std::size_t filled = rec.FilledRows();
    EXPECT_GT(filled, 1u);
    EXPECT_LT(filled, 10000u);
    std::vector<NameRow> rows = rec.Rows();
    for (std::size_t i = 0; i < filled; ++i) ASSERT_EQ(rows[i].number, std::to_string(i + 1));
    for (std::size_t i = filled; i < rows.size(); ++i) ASSERT_TRUE(rows[i].Empty());

    worker.Resume();
    worker.Wait();
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(rec.Rows().size(), 10000u);
    EXPECT_EQ(rec.Events().back(), "finished");
}

TEST(GenerationWorker, StartDuringARunStopsThatRunFirst) {
    RunRecorder first, second;
    GenerationWorker worker(test::GenerationDb());
    PauseAt(first, worker, "fill 0 1");
    worker.Start(test::Inputs(NamingMode::HighScore, "李"), first);
    ASSERT_TRUE(Eventually([&] { return worker.Held(); }));
    const std::vector<std::string> held = first.Events();

    worker.Start(test::Inputs(NamingMode::Combination, "李"), second);
    worker.Wait();
    EXPECT_EQ(first.Events(), held);
    EXPECT_EQ(second.Rows().size(), 400u);
    EXPECT_EQ(second.Events().back(), "finished");
}

TEST(GenerationWorker, PauseButtonTogglesTheRunAndTheControls) {
    RunRecorder rec, window;
    GenerationWorker worker(test::GenerationDb());
    PauseButton button(NamingMode::SuperAuspicious);
    bool clicked = false;
    rec.onEvent = [&](const std::string& e) {
        if (e == "enable superPause" && !clicked) {  // the button is usable from here on
            clicked = true;
            button.Click(worker, window);
        }
    };
    GenerationInputs in = test::Inputs(NamingMode::SuperAuspicious, "龚", 2, Sex::Female);
    worker.Start(in, rec);
    ASSERT_TRUE(Eventually([&] { return worker.Held(); }));
    EXPECT_TRUE(button.ShowsContinue());
    EXPECT_EQ(window.Events(), (std::vector<std::string>{"enable tool", "enable superExport",
                                                         "caption superPause 继续"}));
    button.Click(worker, window);
    worker.Wait();
    EXPECT_FALSE(button.ShowsContinue());
    EXPECT_EQ(window.Events().size(), 5u);
    EXPECT_EQ(window.Events()[3], "caption superPause 暂停");
    EXPECT_EQ(window.Events()[4], "disable superExport");
    EXPECT_EQ(rec.Events().back(), "finished");
    button.Reset(window);
    EXPECT_EQ(window.Events().back(), "caption superPause 暂停");
}

TEST(GenerationWorker, DestroyingTheWorkerEndsAHeldRun) {
    RunRecorder rec;
    {
        GenerationWorker worker(test::GenerationDb());
        PauseAt(rec, worker, "fill 0 1");
        worker.Start(test::Inputs(NamingMode::HighScore, "李"), rec);
        ASSERT_TRUE(Eventually([&] { return worker.Held(); }));
    }
    EXPECT_NE(rec.Events().back(), "finished");
}

}  // namespace
}  // namespace lumo
