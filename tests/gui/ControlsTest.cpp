#include "controls/CColorEdit.h"
#include "controls/CDateEdit.h"
#include "controls/CTransparentStatic.h"
#include "platform/ui/QtMessageBox.h"
#include "support/GuiFixture.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

namespace {

class ControlsTest : public GuiTest
{
};

// A date field showing 10 December 2026 in a format, clicked on a character (or sent Home
// when at is -1), then typed into.
struct DateTyping
{
    const char* name;
    const char* format;
    int at;
    const char* typed;
    QDate expected;
};

void PrintTo(const DateTyping& c, std::ostream* os)
{
    *os << c.name;
}

class DateTypingTest : public ControlsTest, public ::testing::WithParamInterface<DateTyping>
{
};

} // namespace

TEST_P(DateTypingTest, DigitsReplaceThePartPointedAt)
{
    const DateTyping& c = GetParam();
    QWidget form;
    auto* edit = new CDateEdit(&form);
    edit->setLocale(QLocale::c());
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QString::fromLatin1(c.format));
    edit->setGeometry(0, 0, 100, 22);
    edit->setDate(QDate(2026, 12, 10));
    if (c.at >= 0) {
        ClickAndType(edit, c.at, QString::fromLatin1(c.typed));
    } else {
        form.show();
        QApplication::setActiveWindow(&form);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    }
    EXPECT_EQ(edit->date(), c.expected) << edit->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DateTypingTest,
    ::testing::Values(DateTyping{"DayFirstYear", "dd-MM-yyyy", 8, "2031", QDate(2031, 12, 10)},
                      DateTyping{"DayFirstMonth", "dd-MM-yyyy", 4, "07", QDate(2026, 7, 10)},
                      DateTyping{"DayFirstHome", "dd-MM-yyyy", -1, "17", QDate(2026, 12, 17)},
                      DateTyping{"MonthFirstDay", "MM-dd-yyyy", 3, "17", QDate(2026, 12, 17)},
                      DateTyping{"MonthFirstOneDigit", "MM-dd-yyyy", 0, "3", QDate(2026, 3, 10)},
                      DateTyping{"BarDay", "dd MMM yy", 0, "05", QDate(2026, 12, 5)},
                      DateTyping{"BarMonthName", "dd MMM yy", 4, "Mar", QDate(2026, 3, 10)},
                      DateTyping{"BarYear", "dd MMM yy", 8, "27", QDate(2027, 12, 10)}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(ControlsTest, WithoutAScreenNoQuestionIsAgreedTo)
{
    // Offscreen nobody can answer: a question is answered Cancel, so nothing is deleted or done.
    QtMessageBox box;
    EXPECT_FALSE(box.AskBeforeDeleting(QStringLiteral("Are you sure you want to delete this profile?")));
    EXPECT_FALSE(box.Ask(QStringLiteral("Are you sure?")));
    EXPECT_EQ(box.Show(QStringLiteral("Done."), IMessageBox::Icon::Information, IMessageBox::Buttons::Ok),
              IMessageBox::Result::Ok);
}
