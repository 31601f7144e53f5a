// The real host's services that can be tried without a person: files, random draws, the clock.
#include <cstdio>
#include <filesystem>

#include <unistd.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "platform/RealHost.h"

TEST(FileCheck, TellsAMissingFileFromOtherFailures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + "/";
    std::FILE* f = std::fopen((root + "b1.wav").toLocal8Bit().constData(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    std::filesystem::create_directory((root + "mokuta.mid").toStdString());

    EXPECT_EQ(check_file(root + "b1.wav"), FileCheck::Ok);
    EXPECT_EQ(check_file(root + "b2.wav"), FileCheck::NotFound);
    // A directory where the music should be, and a file where a directory should be.
    EXPECT_EQ(check_file(root + "mokuta.mid"), FileCheck::OtherError);
    EXPECT_EQ(check_file(root + "b1.wav/b3.wav"), FileCheck::OtherError);
}

TEST(FileCheck, AnUnreadableFileIsAnError)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    QTemporaryDir dir;
    const QString path = dir.path() + "/b3.wav";
    std::FILE* f = std::fopen(path.toLocal8Bit().constData(), "w");
    std::fclose(f);
    std::filesystem::permissions(path.toStdString(), std::filesystem::perms::none);
    EXPECT_EQ(check_file(path), FileCheck::OtherError);
}

TEST(RealRandom, DrawsStayInTheHalfOpenUnitRange)
{
    RealHost host;
    host.seed_random_from_clock();
    double sum = 0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        float r = host.random();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / n, 0.5, 0.005);
}

TEST(RealClock, NeverRunsBackwards)
{
    RealHost host;
    uint32_t before = host.clock_ms();
    host.sleep_ms(20);
    uint32_t after = host.clock_ms();
    EXPECT_GE(static_cast<uint32_t>(after - before), 20u);
}

TEST(Paths, OneTrailingSeparator)
{
    EXPECT_EQ(with_trailing_separator("/usr/lib/mokuta"), "/usr/lib/mokuta/");
    EXPECT_EQ(with_trailing_separator("/usr/lib/mokuta/"), "/usr/lib/mokuta/");
    EXPECT_EQ(with_trailing_separator("C:\\", QChar('\\')), "C:\\");
}
