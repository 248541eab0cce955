#include "CColorEdit.h"
#include "CTransparentStatic.h"
#include "GuiFixture.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

namespace {

class ControlsTest : public GuiTest
{
};

} // namespace

TEST_F(ControlsTest, ColorEditSwapsColoursWithTheFocusAndALockedOneTakesNoInput)
{
    QWidget form;
    auto* edit = new CColorEdit(&form);
    auto* other = new CColorEdit(&form);
    form.show();
    QApplication::setActiveWindow(&form);
    other->setFocus();
    EXPECT_EQ(edit->CurrentColors().background, QColor(244, 244, 255));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->CurrentColors().background, QColor(255, 255, 255));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 255, 255));
    QTest::keyClicks(edit, QStringLiteral("72.5"));
    EXPECT_EQ(edit->text(), QStringLiteral("72.5"));

    edit->SetLocked(true);
    edit->SetColors(CColorEdit::kLocked, CColorEdit::kLocked);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("100"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("72.5"));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(224, 224, 255));
}

TEST_F(ControlsTest, TransparentStaticTitleAndBlink)
{
    CTransparentStatic title(QStringLiteral("Backup all data"));
    title.MakeTitle();
    EXPECT_EQ(title.TextColor(), QColor(0, 0, 255));
    EXPECT_TRUE(title.font().bold());
    title.resize(200, 16);
    const QImage steady = title.grab().toImage();
    // Blinking the text hides it every other tick.
    title.SetBlink(CTransparentStatic::Blink::Text, 20);
    QImage blinked;
    for (int i = 0; i < 50 && (blinked.isNull() || blinked == steady); ++i) {
        QTest::qWait(10);
        blinked = title.grab().toImage();
    }
    EXPECT_NE(blinked, steady);
    title.SetBlink(CTransparentStatic::Blink::None);
    EXPECT_EQ(title.grab().toImage(), steady);
}
