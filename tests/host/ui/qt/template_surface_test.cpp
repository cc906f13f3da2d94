#include "sondrel/ui/qt/template_surface.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "sondrel/ui/qt/picture_control.h"
#include "sondrel/ui/qt/tooltip_text.h"
#include "support/sample_template.h"

namespace sondrel::ui::qt {
namespace {

using testing::kSampleTemplate;
namespace sample = testing::sample;

PictureBytes Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class RecordingEvents : public ControlEvents {
public:
    void OnClick(ControlSurface& surface, ControlId id) override {
        clicks.push_back(id);
        checkedAtClick = surface.IsChecked(sample::kCheck);
    }
    std::vector<ControlId> clicks;
    bool checkedAtClick = false;
};

TEST(TemplateSurface, BuildsOneWidgetOfTheRightKindPerControl) {
    TemplateSurface surface(kSampleTemplate);
    EXPECT_NE(qobject_cast<QLabel*>(surface.ControlWidget(sample::kLabel)), nullptr);
    EXPECT_NE(qobject_cast<QGroupBox*>(surface.ControlWidget(sample::kGroup)), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(surface.ControlWidget(sample::kCheck)), nullptr);
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(surface.ControlWidget(sample::kEdit)), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(surface.ControlWidget(sample::kLine)), nullptr);
    EXPECT_NE(dynamic_cast<PictureControl*>(surface.ControlWidget(sample::kPicture)), nullptr);
    auto* button = qobject_cast<QPushButton*>(surface.ControlWidget(sample::kButton));
    auto* defaultButton = qobject_cast<QPushButton*>(surface.ControlWidget(sample::kDefaultButton));
    ASSERT_NE(button, nullptr);
    ASSERT_NE(defaultButton, nullptr);
    EXPECT_FALSE(button->isDefault());
    EXPECT_TRUE(defaultButton->isDefault());

    EXPECT_TRUE(surface.ControlWidget(sample::kHiddenLabel)->isHidden());
    EXPECT_FALSE(surface.ControlWidget(sample::kLabel)->isHidden());
    EXPECT_FALSE(surface.ControlWidget(sample::kDisabledButton)->isEnabled());
    EXPECT_EQ(qobject_cast<QLabel*>(surface.ControlWidget(sample::kHiddenLabel))->alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(surface.Text(sample::kLabel), "Label");
    EXPECT_FALSE(surface.HasControl(sample::kMissing));
    EXPECT_EQ(surface.ControlWidget(sample::kMissing), nullptr);
}

TEST(TemplateSurface, LaysOutInDialogUnitsOfTheDialogFont) {
    TemplateSurface surface(kSampleTemplate);
    const DialogBaseUnits units = surface.BaseUnits();
    EXPECT_GT(units.width, 3);
    EXPECT_GT(units.height, 8);
    // A quarter of the average character width across, an eighth of the height down.
    EXPECT_EQ(surface.size(), QSize((200 * units.width + 2) / 4, (110 * units.height + 4) / 8));
    EXPECT_EQ(surface.ControlWidget(sample::kEdit)->geometry(),
              QRect((8 * units.width + 2) / 4, (50 * units.height + 4) / 8, (120 * units.width + 2) / 4,
                    (30 * units.height + 4) / 8));

    // A larger font gives a proportionally larger layout.
    QFont large = DialogFont();
    large.setPixelSize(DialogFont().pixelSize() * 2);
    const DialogBaseUnits doubled = BaseUnitsOf(large);
    EXPECT_NEAR(doubled.width, 2 * units.width, 1);
    EXPECT_NEAR(doubled.height, 2 * units.height, 2);
}

TEST(TemplateSurface, ChangesControlsByIdAndIgnoresIdsTheTemplateLacks) {
    TemplateSurface surface(kSampleTemplate);
    surface.SetText(sample::kLabel, "first\r\nsecond\rthird");
    EXPECT_EQ(surface.Text(sample::kLabel), "first\r\nsecond\rthird");
    EXPECT_EQ(qobject_cast<QLabel*>(surface.ControlWidget(sample::kLabel))->text(),
              QStringLiteral("first\nsecond\nthird"));
    surface.SetText(sample::kEdit, "agreement");
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(surface.ControlWidget(sample::kEdit))->toPlainText(),
              QStringLiteral("agreement"));
    surface.SetText(sample::kGroup, "Heading");
    EXPECT_EQ(qobject_cast<QGroupBox*>(surface.ControlWidget(sample::kGroup))->title(),
              QStringLiteral("Heading"));

    surface.Hide(sample::kLabel);
    surface.Show(sample::kHiddenLabel);
    surface.SetEnabled(sample::kDisabledButton, true);
    surface.SetEnabled(sample::kButton, false);
    EXPECT_TRUE(surface.ControlWidget(sample::kLabel)->isHidden());
    EXPECT_FALSE(surface.ControlWidget(sample::kHiddenLabel)->isHidden());
    EXPECT_TRUE(surface.ControlWidget(sample::kDisabledButton)->isEnabled());
    EXPECT_FALSE(surface.ControlWidget(sample::kButton)->isEnabled());

    surface.SetChecked(sample::kCheck, true);
    EXPECT_TRUE(surface.IsChecked(sample::kCheck));
    EXPECT_FALSE(surface.IsChecked(sample::kLabel));

    // Nothing happens for an id the template lacks.
    surface.SetText(sample::kMissing, "x");
    surface.Hide(sample::kMissing);
    surface.SetFont(sample::kMissing, kBold);
    surface.SetTooltip(sample::kMissing, "tip");
    EXPECT_EQ(surface.Text(sample::kMissing), "");
    EXPECT_FALSE(surface.IsChecked(sample::kMissing));
}

TEST(TemplateSurface, FontChangesMergeOverTheDialogFont) {
    TemplateSurface surface(kSampleTemplate);
    QWidget* label = surface.ControlWidget(sample::kLabel);
    surface.SetFont(sample::kLabel, kBold);
    EXPECT_EQ(label->font().weight(), QFont::Bold);
    EXPECT_EQ(label->font().pixelSize(), DialogFont().pixelSize());

    surface.SetFont(sample::kLabel, FontChange{std::nullopt, "DejaVu Serif", 24});
    EXPECT_EQ(label->font().weight(), QFont::Bold);  // kept from before
    EXPECT_EQ(label->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(label->font().pixelSize(), 24);
    EXPECT_EQ(surface.ControlWidget(sample::kButton)->font().weight(), QFont::Normal);
}

TEST(TemplateSurface, ColoursAndBackdrops) {
    TemplateSurface surface(kSampleTemplate);
    QWidget* label = surface.ControlWidget(sample::kLabel);
    surface.SetTextColor(sample::kLabel, kReportedValueColor);
    EXPECT_EQ(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(8, 96, 168));
    EXPECT_NE(label->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(8, 96, 168));

    EXPECT_FALSE(label->autoFillBackground());
    surface.SetBackdrop(sample::kLabel, Backdrop::kOpaqueWhite);
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));
    surface.SetBackdrop(sample::kLabel, Backdrop::kTransparent);
    EXPECT_FALSE(label->autoFillBackground());
}

TEST(TemplateSurface, ClicksReachTheEventsWithTheNewCheckState) {
    TemplateSurface surface(kSampleTemplate);
    RecordingEvents events;
    surface.SetEvents(&events);
    surface.show();

    QTest::mouseClick(surface.ControlWidget(sample::kButton), Qt::LeftButton);
    QWidget* check = surface.ControlWidget(sample::kCheck);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    EXPECT_TRUE(events.checkedAtClick);
    QWidget* picture = surface.ControlWidget(sample::kPicture);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(2, 2));
    // A press that is released outside the picture is no click.
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(-5, -5));
    // Labels and disabled buttons do not click.
    QTest::mouseClick(surface.ControlWidget(sample::kLabel), Qt::LeftButton);
    QTest::mouseClick(surface.ControlWidget(sample::kDisabledButton), Qt::LeftButton);

    EXPECT_EQ(events.clicks, (std::vector<ControlId>{sample::kButton, sample::kCheck, sample::kPicture}));
}

TEST(TemplateSurface, TooltipsWrapAtTheMaximumWidthAndAreReplacedAsAWhole) {
    TemplateSurface surface(kSampleTemplate);
    const std::string longTip(200, 'w');
    surface.SetTooltip(sample::kLabel, "short <b>tip</b>");
    surface.SetTooltip(sample::kButton, longTip);
    EXPECT_FALSE(surface.TooltipOf(sample::kButton).contains(QStringLiteral("width=")));
    surface.SetTooltipMaxWidth(300);
    EXPECT_TRUE(surface.TooltipOf(sample::kButton).contains(QStringLiteral("width=\"300\"")));
    // Shown as written, not as markup, and on one line.
    EXPECT_TRUE(surface.TooltipOf(sample::kLabel).contains(QStringLiteral("&lt;b&gt;tip&lt;/b&gt;")));
    EXPECT_FALSE(surface.TooltipOf(sample::kLabel).contains(QStringLiteral("width=")));

    surface.ClearTooltips();
    EXPECT_TRUE(surface.TooltipOf(sample::kLabel).isEmpty());
    EXPECT_TRUE(surface.TooltipOf(sample::kButton).isEmpty());
}

TEST(TooltipText, LineBreaksOfEveryKindBecomeBreaks) {
    const QString text = TooltipText(QStringLiteral("a\r\nb\rc\nd"), QToolTip::font(), 300);
    EXPECT_EQ(text.count(QStringLiteral("<br>")), 3);
}

TEST(TemplateSurface, EndDialogKeepsTheFirstResultAndCallsTheHandlerOnce) {
    TemplateSurface surface(kSampleTemplate);
    std::vector<int> ended;
    surface.SetEndHandler([&ended](int result) { ended.push_back(result); });
    EXPECT_FALSE(surface.EndResult());
    surface.EndDialog(1);
    surface.EndDialog(0);
    EXPECT_EQ(surface.EndResult(), 1);
    EXPECT_EQ(ended, std::vector<int>{1});
}

TEST(TemplateSurface, WindowTextAndIconGoToTheTitleWindow) {
    QWidget dialog;
    TemplateSurface surface(kSampleTemplate, &dialog);
    EXPECT_EQ(surface.windowTitle(), QStringLiteral("Sample"));
    surface.SetTitleWindow(&dialog);
    surface.SetWindowText("About");
    surface.SetIcon(Bytes(testing::kGreenSvg));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    EXPECT_FALSE(dialog.windowIcon().isNull());
}

TEST(TemplateSurface, DrawsTheBackgroundStretchedAndPicturesWithTheColourKeyTransparent) {
    TemplateSurface surface(kSampleTemplate);
    surface.SetBackgroundPicture(Bytes(testing::kGreenSvg));
    surface.Hide(sample::kGroup);
    const std::string raster = testing::KeyedRasterPicture();
    surface.SetPicture(sample::kPicture, Bytes(raster));
    const QImage image = surface.grab().toImage();
    // The 40 x 20 background covers every corner of the larger window.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 255, 0));
    // The picture sits at its control's top-left corner at its own size:
    // red lets the background through, blue is drawn.
    const QPoint origin = surface.ControlWidget(sample::kPicture)->pos();
    const qreal ratio = image.devicePixelRatio();
    const auto at = [&](int x, int y) {
        return image.pixelColor(static_cast<int>((origin.x() + x) * ratio),
                                static_cast<int>((origin.y() + y) * ratio));
    };
    EXPECT_EQ(at(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(at(1, 1), QColor(0, 255, 0));
    EXPECT_EQ(at(3, 1), QColor(0, 0, 255));
    EXPECT_EQ(at(6, 1), QColor(0, 255, 0));  // beyond the picture's own width
}

}  // namespace
}  // namespace sondrel::ui::qt
