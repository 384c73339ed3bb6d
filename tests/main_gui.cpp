// Runs the core tests inside a QGuiApplication, which text drawing needs.
// HOVLA_EXPECT_LOCALE names the locale the run must really be under, so that
// a Finnish run cannot quietly fall back to C.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // takes the locale from the environment
    if (const char* expected = std::getenv("HOVLA_EXPECT_LOCALE")) {
        const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
        if (numeric != expected) {
            std::fprintf(stderr, "the tests run under %s, not %s\n", numeric.c_str(), expected);
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
