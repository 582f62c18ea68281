// The real widgets against the form descriptions they were built from.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include "about_box/about_form.h"
#include "main_window/main_form.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_images.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "platform/twips.h"
#include "problems_window/problems_form.h"
#include "tests/gui/qt_test_helpers.h"

namespace brisel::testing {
namespace {

using platform::ControlDescription;
using platform::ControlKind;
using platform::FormDescription;

class QtFormTest : public ::testing::TestWithParam<const FormDescription*> {
protected:
    QtFormTest() : window_(*GetParam(), Dpi()) {}

    static double Dpi() { return QApplication::primaryScreen()->logicalDotsPerInch(); }
    static int Px(int twips) { return platform::TwipsToPixels(twips, Dpi()); }
    QWidget* Top() { return window_.TopLevel(); }
    QWidget* Control(const ControlDescription& described) { return Child(Top(), described.name.c_str()); }

    platform::qt::QtPlatform platform_;  // loads the pictures
    platform::qt::QtWindow window_;
};

// Only a sizable form can grow, and none is smaller than described.
TEST_P(QtFormTest, ClientAreaHasTheDescribedSize) {
    QWidget* client = Child(Top(), "clientArea");
    EXPECT_EQ(client->size(), QSize(Px(GetParam()->clientWidth), Px(GetParam()->clientHeight)));
    EXPECT_EQ(Top()->minimumSize(), Top()->size());
    EXPECT_EQ(Top()->minimumSize() == Top()->maximumSize(), GetParam()->border != platform::BorderStyle::Sizable);
    EXPECT_EQ(Top()->windowTitle().toStdString(), GetParam()->caption);
}

TEST_P(QtFormTest, EveryControlSitsWhereTheDescriptionPutsIt) {
    for (const ControlDescription& described : GetParam()->controls) {
        SCOPED_TRACE(described.name);
        QWidget* control = Control(described);
        ASSERT_NE(control, nullptr);
        if (described.kind == ControlKind::Line) {
            EXPECT_EQ(control->pos(), QPoint(Px(described.bounds.left), Px(described.bounds.top)));
            EXPECT_EQ(control->height(), described.lineWidthPixels);
            continue;
        }
        EXPECT_EQ(control->pos(), QPoint(Px(described.bounds.left), Px(described.bounds.top)));
        if (!described.autoSize) {
            EXPECT_EQ(control->size(), QSize(Px(described.bounds.width), Px(described.bounds.height)));
        }
        EXPECT_EQ(control->isVisibleTo(Top()), described.visible);
        EXPECT_EQ(control->toolTip().toStdString(), described.tooltip);
    }
}

TEST_P(QtFormTest, FontsAndColoursFollowTheDescription) {
    for (const ControlDescription& described : GetParam()->controls) {
        SCOPED_TRACE(described.name);
        QWidget* control = Control(described);
        const platform::FontDescription font = described.font.value_or(GetParam()->font);
        EXPECT_EQ(control->font().bold(), font.bold);
        EXPECT_EQ(control->font().underline(), font.underline);
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), font.points);
        if (described.foreColor && described.kind == ControlKind::Label) {
            const QColor color = control->palette().color(QPalette::WindowText);
            EXPECT_EQ(color, QColor(described.foreColor->red, described.foreColor->green, described.foreColor->blue));
        }
    }
}

TEST_P(QtFormTest, LabelsShowTheirCaptions) {
    for (const ControlDescription& described : GetParam()->controls) {
        if (described.kind != ControlKind::Label || described.caption.empty()) continue;
        const QString shown = Child<QLabel>(Top(), described.name.c_str())->text();
        EXPECT_EQ(shown.toStdString(), described.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, QtFormTest,
                         ::testing::Values(&main_window::MainForm(), &about_box::AboutForm(),
                                           &problems_window::ProblemsForm()),
                         [](const auto& row) { return row.param->name; });

TEST(QtMainForm, MenusCarryTheirAccessKeysAndShortcuts) {
    platform::qt::QtPlatform platform;
    platform::qt::QtWindow window(main_window::MainForm(), 96);
    const std::vector<std::pair<const char*, const char*>> shortcuts{
        {"mnuFileOpen", "Ctrl+O"}, {"mnuFileSaveAs", "Ctrl+A"}, {"mnuHelpContents", "F1"}};
    for (const auto& [name, keys] : shortcuts) {
        auto* action = window.TopLevel()->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys)));
    }
    auto* menuBar = static_cast<QMainWindow*>(window.TopLevel())->menuBar();
    QStringList titles;
    for (QAction* menu : menuBar->actions()) titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Help"}));
    EXPECT_EQ(window.TopLevel()->findChild<QAction*>("mnuFilePinMap")->text(), "Pin &Map...");
    EXPECT_EQ(window.TopLevel()->findChild<QAction*>("mnuFileNoPinMap")->text(), "&No Pin Map");
    EXPECT_EQ(Child<QPushButton>(window.TopLevel(), "cmdOK")->text(), "O&K");
}

TEST(QtImages, PicturesHaveTheSizesTheFormsAssume) {
    platform::qt::QtPlatform platform;
    EXPECT_EQ(platform::qt::FormImage(platform::ImageName::kBackground).size(), QSize(374, 200));
    const QList<QSize> iconSizes = platform::qt::ProgramIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    const QCursor hand = platform::qt::PointingHandCursor();
    EXPECT_EQ(hand.hotSpot(), QPoint(10, 5));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    const QImage image = hand.pixmap().toImage();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool twoColours = c.alpha() == 0 || c == Qt::black || c == Qt::white;
            ASSERT_TRUE(twoColours) << x << "," << y;
        }
    }
}

TEST(QtAboutForm, LinksShowTheHandAndTheFrameHasNoMinimizeOrMaximize) {
    platform::qt::QtPlatform platform;
    platform::qt::QtWindow window(about_box::AboutForm(), 96);
    for (const char* link : {"lblEMadd", "lblWSurl"}) {
        EXPECT_EQ(Child(window.TopLevel(), link)->cursor().hotSpot(), QPoint(10, 5));
    }
    EXPECT_FALSE(window.TopLevel()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window.TopLevel()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(QtAboutForm, TheDisclaimerShowsAScrollThumbInItsOwnRectangle) {
    platform::qt::QtPlatform platform;
    platform::qt::QtWindow window(about_box::AboutForm(), 96);
    window.SetText("txtDisclaimer", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.TopLevel()));
    auto* box = Child<QPlainTextEdit>(window.TopLevel(), "txtDisclaimer");
    EXPECT_EQ(box->geometry(), QRect(16, 232, 257, 57));
    QScrollBar* bar = box->verticalScrollBar();
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.sliderPosition = bar->value();
    option.sliderValue = bar->value();
    const auto part = [&](QStyle::SubControl control) {
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
    };
    EXPECT_GT(bar->maximum(), 0);
    // A thumb as long as its groove cannot be told from the groove.
    EXPECT_GT(part(QStyle::SC_ScrollBarSlider).height(), 0);
    EXPECT_LT(part(QStyle::SC_ScrollBarSlider).height(), part(QStyle::SC_ScrollBarGroove).height());
}

TEST(QtFileDialogFilters, WindowsFiltersBecomeQtNameFilters) {
    const auto filters = platform::qt::ToQtNameFilters(
        platform::ParseFilter("PADS-PowerPCB Netlist File (*.net)|*.net|All Files (*.*)|*.*|Two|*.a;*.b"));
    EXPECT_EQ(filters,
              QStringList({"PADS-PowerPCB Netlist File (*.net) (*.net)", "All Files (*.*) (*)", "Two (*.a *.b)"}));
}

}  // namespace
}  // namespace brisel::testing
