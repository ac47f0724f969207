#include "platform/qt/file_instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>

#include "app/environ.h"
#include "support/test_paths.h"

namespace {

const std::string kName = indEnviron::kMutexName;

class FileInstanceLock : public testing::Test {
protected:
    QString Folder() const { return QString::fromStdString(m_folder.path().string()); }

    // Runs body in a child process, as another instance of the program, and waits for its end.
    template <typename Body>
    static void InAnotherProcess(Body body) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            body();
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }

private:
    TempFolder m_folder;
};

TEST_F(FileInstanceLock, ASecondInstanceFindsTheLockHeldUntilTheFirstGivesItBack) {
    cmcFileInstanceLock first(Folder());
    cmcFileInstanceLock second(Folder());
    ASSERT_TRUE(first.TryLock(kName));
    EXPECT_EQ(first.LockFilePath(kName), Folder() + "/Orva KT-V818X APP Exclusive Mutex.lock");
    EXPECT_TRUE(QFile::exists(first.LockFilePath(kName)));
    EXPECT_FALSE(second.TryLock(kName));
    EXPECT_TRUE(second.TryLock("another program"));

    first.Unlock();
    EXPECT_FALSE(QFile::exists(first.LockFilePath(kName)));
    EXPECT_TRUE(second.TryLock(kName));
}

TEST_F(FileInstanceLock, AnInstanceInAnotherProcessIsSeen) {
    int ready[2];
    int quit[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(quit), 0);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        close(ready[0]);
        close(quit[1]);
        cmcFileInstanceLock other(Folder());
        const char held = other.TryLock(kName) ? 1 : 0;
        (void)!write(ready[1], &held, 1);
        char unused;
        (void)!read(quit[0], &unused, 1);  // until the parent closes its end
        _exit(0);
    }
    close(ready[1]);
    close(quit[0]);
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);

    cmcFileInstanceLock mine(Folder());
    EXPECT_FALSE(mine.TryLock(kName));
    close(quit[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(ready[0]);
    EXPECT_TRUE(mine.TryLock(kName));
}

TEST_F(FileInstanceLock, TheLockOfACrashedInstanceIsTakenOver) {
    const QString folder = Folder();
    InAnotherProcess([&] {
        // Takes the lock and dies without giving it back.
        auto* crashed = new cmcFileInstanceLock(folder);
        if (!crashed->TryLock(kName)) _exit(1);
    });
    cmcFileInstanceLock next(Folder());
    ASSERT_TRUE(QFile::exists(next.LockFilePath(kName)));
    EXPECT_TRUE(next.TryLock(kName));
}

TEST_F(FileInstanceLock, ALockFileThatCannotBeMadeDoesNotKeepTheProgramFromRunning) {
    QFile blocker(Folder() + "/not a folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    cmcFileInstanceLock lock(blocker.fileName());
    EXPECT_TRUE(lock.TryLock(kName));
}

TEST_F(FileInstanceLock, NamesBecomeFileNamesInsideTheFolder) {
    cmcFileInstanceLock lock(Folder());
    const QString path = lock.LockFilePath("Global\\a/b:c");
    EXPECT_EQ(QFileInfo(path).absolutePath(), Folder());
    EXPECT_EQ(QFileInfo(path).fileName(), "Global_a_b_c.lock");
    EXPECT_TRUE(lock.TryLock("Global\\a/b:c"));
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
