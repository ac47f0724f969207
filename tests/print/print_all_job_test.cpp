#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/print_all_job.h"
#include "support/manual_scheduler.h"

namespace {

struct JobRig {
    JobRig()
        : job(scheduler, {[this] { log.push_back("begin"); },
                          [this](const std::string& name) {
                              log.push_back(name);
                              if (name == cancelAt) job.Cancel();
                          },
                          [this] { log.push_back("end"); }, [this] { log.push_back("done"); }}) {}

    ManualScheduler scheduler;
    std::vector<std::string> log;
    std::string cancelAt;
    cuiPrintAllJob job;
};

TEST(PrintAllJob, PrintsOneSheetPerTickIntoOneDocument) {
    JobRig rig;
    rig.scheduler.Advance(200);
    EXPECT_TRUE(rig.log.empty());  // the task idles until a job starts
    rig.job.Start({"A", "B", "C"});
    EXPECT_TRUE(rig.job.IsRunning());
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"begin", "A"}));
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log.back(), "B");
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"begin", "A", "B", "C", "end", "done"}));
    EXPECT_FALSE(rig.job.IsRunning());
    rig.scheduler.Advance(500);
    EXPECT_EQ(rig.log.size(), 6u);
}

TEST(PrintAllJob, CancelEndsTheDocumentAndSkipsTheSheetsLeft) {
    JobRig rig;
    rig.cancelAt = "B";
    rig.job.Start({"A", "B", "C", "D"});
    rig.scheduler.Advance(10 * cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"begin", "A", "B", "end", "done"}));
    EXPECT_TRUE(rig.job.Cancelled());
    // A new job starts afresh.
    rig.log.clear();
    rig.cancelAt.clear();
    rig.job.Start({"E"});
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"begin", "E", "end", "done"}));
}

TEST(PrintAllJob, CancelBetweenTicksPrintsNothingMore) {
    JobRig rig;
    rig.job.Start({"A", "B"});
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    rig.job.Cancel();
    rig.scheduler.Advance(cuiPrintAllJob::kTickMs);
    EXPECT_EQ(rig.log, (std::vector<std::string>{"begin", "A", "end", "done"}));
}

}  // namespace
