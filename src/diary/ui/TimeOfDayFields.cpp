#include "TimeOfDayFields.h"

#include "controls/CTransparentStatic.h"
#include "controls/DialogData.h"
#include "controls/Form.h"
#include "diary/ActivityTable.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {

QComboBox* List(QWidget* parent, int id, const QStringList& items, int value, int x, int y)
{
    auto* c = new QComboBox(parent);
    c->setProperty("id", id);
    c->addItems(items);
    c->setGeometry(x, y, 56, 22);
    DialogData::SelectOrAppend(c, QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
    return c;
}

} // namespace

TimeOfDayFields::TimeOfDayFields(QWidget* parent, int y, int hour, int minute)
{
    m_widgets[0] = Form::Caption(parent, QCoreApplication::translate("TimeOfDayFields", "Time on day:"), 6,
                                 y + 20, 90, 1124);
    m_widgets[1] =
        Form::Caption(parent, QCoreApplication::translate("TimeOfDayFields", "Hour"), 100, y, 56, 1125);
    m_widgets[2] =
        Form::Caption(parent, QCoreApplication::translate("TimeOfDayFields", "Minutes"), 164, y, 64, 1126);
    m_widgets[3] = m_hour = List(parent, 1118, HourChoices(), hour, 100, y + 18);
    m_widgets[4] = m_minute = List(parent, 1123, MinuteChoices(), minute, 164, y + 18);
}

int TimeOfDayFields::Hour() const
{
    return m_hour->currentText().toInt();
}

int TimeOfDayFields::Minute() const
{
    return m_minute->currentText().toInt();
}

void TimeOfDayFields::SetVisible(bool visible)
{
    for (QWidget* w : m_widgets)
        w->setVisible(visible);
}
