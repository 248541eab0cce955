#include "CProfilePage.h"

#include "controls/CDateEdit.h"
#include "controls/CTransparentStatic.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"
#include "diary/CFoodDBDoc.h"
#include "platform/LocalDateTime.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 320;

} // namespace

CProfilePage::CProfilePage(CFoodDBDoc& doc, IMessageBox& messages, const QString& title, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_messages(messages)
{
    setFixedSize(kWidth, kHeight);
    setFont(ProgramFont(11));
    Form::Title(this, title, 6, 4, kWidth - 12, 1146);
}

CTransparentStatic* CProfilePage::Text(int id, const QString& text, int y, int height)
{
    CTransparentStatic* t = Form::Explanation(this, text, 6, y, kWidth - 12, height, id);
    t->SetFont(13);
    t->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return t;
}

CTransparentStatic* CProfilePage::Label(const QString& text, int x, int y, int width)
{
    return Form::Caption(this, text, x, y + Form::kCaptionBesideField, width);
}

QLineEdit* CProfilePage::Field(int id, int x, int y, int width)
{
    auto* e = new QLineEdit(this);
    e->setProperty("id", id);
    e->setGeometry(x, y, width, 22);
    return e;
}

QPushButton* CProfilePage::Button(int id, const QString& text, int x, int y, int width)
{
    auto* b = new QPushButton(text, this);
    b->setProperty("id", id);
    b->setGeometry(x, y, width, 24);
    return b;
}

void CProfilePage::AddPageButtons(int buttons)
{
    if (buttons & kPrevious)
        connect(Button(1194, tr("<- Previous"), 6, kHeight - 30, 76), &QPushButton::clicked, this,
                &CProfilePage::previousPage);
    if (buttons & kNext) {
        QPushButton* next = Button(1013, tr("Next ->"), kWidth - 82, kHeight - 30, 76);
        next->setDefault(true);
        connect(next, &QPushButton::clicked, this, &CProfilePage::nextPage);
    }
    if (buttons & kFinish) {
        QPushButton* finish = Button(1206, tr("Finish"), kWidth - 82, kHeight - 30, 76);
        finish->setDefault(true);
        connect(finish, &QPushButton::clicked, this, &CProfilePage::finish);
    }
}

QDateEdit* CProfilePage::DatePicker(int id)
{
    auto* picker = new CDateEdit(this);
    picker->setProperty("id", id);
    picker->setCalendarPopup(true);
    picker->setLocale(QLocale::c());
    picker->setGeometry(82, 80, 88, 22);
    return picker;
}

void CProfilePage::ShowDate(QDateEdit* picker, FileTime date)
{
    picker->setDisplayFormat(m_doc.Profile().Has(CProfileTable::kDayMonthYear)
                                 ? QStringLiteral("dd-MM-yyyy")
                                 : QStringLiteral("MM-dd-yyyy"));
    const LocalDateTime t = date.ToLocal();
    picker->setDate(QDate(t.year, t.month, t.day));
}

FileTime CProfilePage::PickedDate(const QDateEdit* picker)
{
    const QDate d = picker->date();
    return FileTime::FromDate(d.year(), d.month(), d.day());
}

QString CProfilePage::WeightUnit() const
{
    return m_doc.Profile().Has(CProfileTable::kMetric) ? QStringLiteral("kg") : QStringLiteral("lbs");
}

void CProfilePage::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawLine(0, kSeparatorY, kWidth, kSeparatorY);
}
