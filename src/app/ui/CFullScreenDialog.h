#pragma once

#include <QDialog>

class CTransparentStatic;

// A dialog on the whole 240 x 320 screen: the blue bold title line (control 1146) and a
// separator across the width 23 pixels from the top. F1 opens the dialog's help topic.
class CFullScreenDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 320;
    static constexpr int kSeparatorY = 23;

    CFullScreenDialog(const QString& caption, const QString& titleLine, const QString& helpTopic,
                      int templateId, QWidget* parent = nullptr);

    CTransparentStatic* TitleLine() const { return m_title; }
    // The OK (id 1) and Cancel (id 2) buttons at the bottom right of the dialog as high as it is
    // now; cancel may be left out.
    void AddButtons(const QString& okText = QStringLiteral("OK"), bool withCancel = true);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CTransparentStatic* m_title;
};
