#include "QtWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

void QtWaitCursor::Begin()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtWaitCursor::End()
{
    QGuiApplication::restoreOverrideCursor();
}
