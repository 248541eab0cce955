#include "CMealsPatternDlg.h"

#include "app/ui/HelpKey.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "controls/ProgramFont.h"
#include "diary/MealsPattern.h"
#include "platform/IMessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("CMealsPatternDlg", "Breakfast"), QT_TRANSLATE_NOOP("CMealsPatternDlg", "Snack"),
    QT_TRANSLATE_NOOP("CMealsPatternDlg", "Lunch"),     QT_TRANSLATE_NOOP("CMealsPatternDlg", "Snack"),
    QT_TRANSLATE_NOOP("CMealsPatternDlg", "Dinner"),    QT_TRANSLATE_NOOP("CMealsPatternDlg", "Snack")};
constexpr int kCheckIds[] = {1057, 1058, 1066, 1060, 1061, 1064};
constexpr int kHourIds[] = {1093, 1056, 1059, 1062, 1063, 1065};
constexpr int kShareIds[] = {1005, 1006, 1007, 1008, 1009, 1010};
constexpr int kRowHeight = 26;
constexpr int kTop = 30;

} // namespace

CMealsPatternDlg::CMealsPatternDlg(ProfileRecord& profile, IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_profile(profile), m_messages(messages)
{
    HelpKey::SetTopic(this, QStringLiteral("#views_profile_settings"));
    setWindowTitle(tr("Meals pattern"));
    setProperty("id", kTemplate);
    setFixedSize(236, 237); // 157 x 146 dialog units
    setFont(ProgramFont(13));
    Form::Title(this, tr("Meals pattern"), 6, 4, 224, 1146);
    QStringList hours;
    for (int h = 0; h < 24; ++h)
        hours << QString::asprintf("%2d:00", h);
    for (int i = 0; i < kMeals; ++i) {
        const int y = kTop + i * kRowHeight;
        m_on[i] = new QCheckBox(tr(kNames[i]), this);
        m_on[i]->setProperty("id", kCheckIds[i]);
        m_on[i]->setGeometry(6, y, 90, 22);
        m_on[i]->setChecked(profile.mealOn[i] != 0);
        m_hour[i] = new QComboBox(this);
        m_hour[i]->setProperty("id", kHourIds[i]);
        m_hour[i]->addItems(hours);
        m_hour[i]->setGeometry(100, y, 70, 22);
        m_hour[i]->setCurrentIndex(qBound(0, static_cast<int>(profile.mealHour[i]), 23));
        m_share[i] = new QLineEdit(QString::number(profile.mealShare[i]), this);
        m_share[i]->setProperty("id", kShareIds[i]);
        m_share[i]->setAlignment(Qt::AlignRight);
        m_share[i]->setGeometry(176, y, 36, 22);
        auto* percent = new CTransparentStatic(QStringLiteral("%"), this);
        percent->SetFont(13);
        percent->setGeometry(215, y + 2, 16, 18);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setProperty("id", 1);
    ok->setDefault(true);
    ok->setGeometry(236 - 140, 237 - 30, 64, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setProperty("id", 2);
    cancel->setGeometry(236 - 70, 237 - 30, 64, 24);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CMealsPatternDlg::accept()
{
    std::array<qint16, kMeals> on{};
    std::array<qint16, kMeals> shares{};
    for (int i = 0; i < kMeals; ++i) {
        qint64 share = 0;
        if (!DialogData::Integer(m_messages, m_share[i], -32768, 32767, &share))
            return;
        on[i] = m_on[i]->isChecked() ? 1 : 0;
        shares[i] = static_cast<qint16>(share);
    }
    if (!MealsPattern::IsValid(on, shares)) {
        m_messages.Tell(tr("Sum of percentage values must be 100%"), IMessageBox::Icon::Stop);
        return;
    }
    for (int i = 0; i < kMeals; ++i) {
        m_profile.mealOn[i] = on[i];
        m_profile.mealHour[i] = static_cast<qint16>(m_hour[i]->currentIndex());
        m_profile.mealShare[i] = shares[i];
    }
    QDialog::accept();
}

void CMealsPatternDlg::reject()
{
    if (!DialogData::ConfirmCancel(m_messages))
        return;
    QDialog::reject();
}

void CMealsPatternDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawLine(0, 23, width(), 23);
}
