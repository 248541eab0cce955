#pragma once

#include <QObject>

class QWidget;

// F1 anywhere in the program opens the help at the topic of the window it was pressed in. One
// filter on the application serves every window; a window names its topic with SetTopic.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    explicit HelpKey(QObject* parent = nullptr);
    ~HelpKey() override;

    // The topic ("#views_graphs") F1 opens in that window; empty for none.
    static void SetTopic(QWidget* window, const QString& topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
