// The main of every test binary: an offscreen Qt application, so GUI code can run headless.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A single-instance name of this test process's own.
    setenv("TORVANE_INSTANCE_SUFFIX", ("-test-" + std::to_string(getpid())).c_str(), 1);
    // The program's data folder (the player database among it) of this run's own.
    char dataHome[] = "/tmp/torvane-data-XXXXXX";
    if (mkdtemp(dataHome))
        setenv("XDG_DATA_HOME", dataHome, 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(dataHome, ec);
    return result;
}
