// The forms on real widgets as assistive technology and the keyboard reach
// them: names and descriptions through QAccessible, the About box's links by
// Tab and Enter, and a focus mark that stands out from the background.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "about_box/about_form.h"
#include "main_window/main_form.h"
#include "platform/accessibility.h"
#include "platform/contrast.h"
#include "platform/qt/qt_focus_ring.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "problems_window/problems_form.h"
#include "tests/gui/qt_test_helpers.h"

namespace brisel::testing {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FormDescription;

std::string Spoken(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(kind).toStdString() : std::string("(none)");
}

class QtAccessibleFormTest : public ::testing::TestWithParam<const FormDescription*> {
protected:
    QtAccessibleFormTest() : window_(*GetParam(), 96) {}
    QWidget* Control(const ControlDescription& described) { return Child(window_.TopLevel(), described.name.c_str()); }

    platform::qt::QtPlatform platform_;
    platform::qt::QtWindow window_;
};

// A plain label says its own text; every other control what its label and
// tooltip say.
TEST_P(QtAccessibleFormTest, EveryControlSaysTheNameAndDescriptionOfItsForm) {
    for (const ControlDescription& described : GetParam()->controls) {
        if (described.kind == ControlKind::Line) continue;
        SCOPED_TRACE(described.name);
        const platform::AccessibleText text = platform::AccessibleTextOf(*GetParam(), described);
        QWidget* control = Control(described);
        if (described.kind == ControlKind::Label && !described.link) {
            EXPECT_EQ(Spoken(control, QAccessible::Name), qobject_cast<QLabel*>(control)->text().toStdString());
        } else {
            EXPECT_EQ(Spoken(control, QAccessible::Name), text.name);
        }
        EXPECT_EQ(Spoken(control, QAccessible::Description), text.description);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, QtAccessibleFormTest,
                         ::testing::Values(&main_window::MainForm(), &about_box::AboutForm(),
                                           &problems_window::ProblemsForm()),
                         [](const auto& row) { return row.param->name; });

class QtAboutKeyboardTest : public ::testing::Test {
protected:
    QtAboutKeyboardTest() {
        window.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.TopLevel()));
    }
    ~QtAboutKeyboardTest() override { QApplication::closeAllWindows(); }
    static std::string Focused() { return QApplication::focusWidget()->objectName().toStdString(); }
    static void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    platform::qt::QtPlatform platform;
    platform::qt::QtWindow window{about_box::AboutForm(), 96};
};

TEST_F(QtAboutKeyboardTest, TabReachesBothLinksAndNeverTheIcon) {
    std::vector<std::string> order{Focused()};
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_Tab);
        order.push_back(Focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"cmdOK", "txtDisclaimer", "lblEMadd", "lblWSurl", "cmdOK"}));
    EXPECT_EQ(Child(window.TopLevel(), "picIcon")->focusPolicy(), Qt::NoFocus);
}

// Enter on a link opens it rather than pressing the box's default button.
TEST_F(QtAboutKeyboardTest, EnterAndSpaceOnALinkClickIt) {
    std::vector<std::string> clicks;
    for (const char* name : {"lblEMadd", "lblWSurl", "cmdOK"}) {
        window.On(name, platform::Event::Click, [&clicks, name] { clicks.emplace_back(name); });
    }
    Child(window.TopLevel(), "lblEMadd")->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Return);
    Child(window.TopLevel(), "lblWSurl")->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Space);
    EXPECT_EQ(clicks, (std::vector<std::string>{"lblEMadd", "lblWSurl"}));
}

platform::Rgb ToRgb(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// The share of the pixels just outside the ring that it stands out from by
// the focus mark's contrast.
double ShareThatStandsOut(const QImage& shown, const QRect& ring, const QColor& colour) {
    int pixels = 0;
    int standing = 0;
    const QRect band = ring.adjusted(-1, -1, 1, 1);
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (ring.contains(x, y) || !shown.rect().contains(x, y)) continue;
            ++pixels;
            const double ratio = platform::ContrastRatio(ToRgb(colour), ToRgb(shown.pixelColor(x, y)));
            if (ratio >= platform::kFocusMarkContrast) ++standing;
        }
    }
    return pixels == 0 ? 0 : static_cast<double>(standing) / pixels;
}

class QtFocusRingTest : public ::testing::TestWithParam<const FormDescription*> {
protected:
    QtFocusRingTest() : window_(*GetParam(), 96) {
        window_.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.TopLevel()));
    }
    ~QtFocusRingTest() override { QApplication::closeAllWindows(); }

    platform::qt::QtPlatform platform_;
    platform::qt::QtWindow window_;
};

// Each control that takes the focus gets the ring, drawn on the background
// around it with at least 3:1 contrast to what lies next to it.
TEST_P(QtFocusRingTest, SurroundsEachFocusedControlAndStandsOutFromTheBackground) {
    QWidget* client = Child(window_.TopLevel(), "clientArea");
    auto* ring = client->findChild<platform::qt::FocusRing*>("focusRing");
    ASSERT_NE(ring, nullptr);
    for (const ControlDescription& described : GetParam()->controls) {
        QWidget* control = Child(window_.TopLevel(), described.name.c_str());
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
        SCOPED_TRACE(described.name);
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ring->Target() == control && ring->isVisible(); }));
        const int outset = platform::qt::FocusRing::kWidth + platform::qt::FocusRing::kGap;
        EXPECT_EQ(ring->geometry(), control->geometry().adjusted(-outset, -outset, outset, outset));
        const QImage shown = client->grab().toImage();
        const QPoint onRing(ring->x(), control->geometry().center().y());
        EXPECT_EQ(shown.pixelColor(onRing), ring->Colour());
        EXPECT_GE(ShareThatStandsOut(shown, ring->geometry(), ring->Colour()), 0.9);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, QtFocusRingTest,
                         ::testing::Values(&main_window::MainForm(), &about_box::AboutForm(),
                                           &problems_window::ProblemsForm()),
                         [](const auto& row) { return row.param->name; });

TEST(QtFocusRing, IsWhiteOnTheMainWindowsDarkPictureAndBlackOnALightDialog) {
    platform::qt::QtPlatform platform;
    for (const auto& [form, colour] : {std::pair{&main_window::MainForm(), QColor(Qt::white)},
                                       std::pair{&about_box::AboutForm(), QColor(Qt::black)}}) {
        platform::qt::QtWindow window(*form, 96);
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.TopLevel()));
        Child(window.TopLevel(), "cmdOK")->setFocus(Qt::TabFocusReason);
        auto* ring = window.TopLevel()->findChild<platform::qt::FocusRing*>("focusRing");
        ASSERT_TRUE(QTest::qWaitFor([&] { return ring->isVisible(); }));
        EXPECT_EQ(ring->Colour(), colour) << form->name;
        window.Close();
    }
}

}  // namespace
}  // namespace brisel::testing
