#pragma once

#include "platform/FileTime.h"

#include <QWidget>

class CFoodDBDoc;
class CTransparentStatic;
class IMessageBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// One page of the profile wizard: its title line, grey explanations, the line under the title
// and its own page buttons. It loads the open profile when it becomes active and stores into it
// when it is left.
class CProfilePage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSeparatorY = 23;

    CProfilePage(CFoodDBDoc& doc, IMessageBox& messages, const QString& title, QWidget* parent = nullptr);

    virtual void OnSetActive() = 0;
    // False when a field is refused; the page then stays.
    virtual bool OnKillActive() { return true; }

signals:
    void nextPage();
    void previousPage();
    void finish();

protected:
    enum Button
    {
        kPrevious = 1,
        kNext = 2,
        kFinish = 4
    };

    void paintEvent(QPaintEvent* event) override;

    CTransparentStatic* Text(int id, const QString& text, int y, int height);
    CTransparentStatic* Label(const QString& text, int x, int y, int width);
    QLineEdit* Field(int id, int x, int y, int width);
    QPushButton* Button(int id, const QString& text, int x, int y, int width);
    void AddPageButtons(int buttons);
    // The page's date picker, in the profile's date format.
    QDateEdit* DatePicker(int id);
    void ShowDate(QDateEdit* picker, FileTime date);
    static FileTime PickedDate(const QDateEdit* picker);
    // "kg" or "lbs", by the profile's measures.
    QString WeightUnit() const;

    CFoodDBDoc& m_doc;
    IMessageBox& m_messages;
};
