// Window tests run on Qt's offscreen platform unless told otherwise, also
// when ctest lists them, with the screens of offscreen_screens.json: a
// 1280 x 1024 desk screen, room for the second windows beside the main one,
// and a 1024 x 768 one beside it.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" BRISEL_TEST_SCREENS);
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
