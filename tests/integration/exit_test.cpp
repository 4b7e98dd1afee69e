// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

// Closing the program while pictures are still being scaled in the background used to hang its
// exit for good: the work ran on into the exit handlers, after Qt's scaling pool had gone.
TEST(ProgramExitTest, EndsWhileWorkIsStillRunning)
{
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("LANTERNREEL_BINARY_DIR")
                      + QStringLiteral("/tests/integration/exit_with_work"));
        ASSERT_TRUE(program.waitForStarted(10000));
        const bool ended = program.waitForFinished(30000);
        if (!ended) {
            program.kill();
            program.waitForFinished(5000);
        }
        ASSERT_TRUE(ended) << "the program hung in its exit";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
}
