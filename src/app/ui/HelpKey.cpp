#include "HelpKey.h"

#include "platform/HelpLauncher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr char kTopicProperty[] = "helpTopic";

} // namespace

HelpKey::HelpKey(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey()
{
    qApp->removeEventFilter(this);
}

void HelpKey::SetTopic(QWidget* window, const QString& topic)
{
    window->setProperty(kTopicProperty, topic);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return false;
    const QString topic = static_cast<QWidget*>(watched)->window()->property(kTopicProperty).toString();
    if (topic.isEmpty())
        return false;
    HelpLauncher::OpenHelp(topic);
    return true;
}
