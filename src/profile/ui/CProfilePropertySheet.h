#pragma once

#include <QDialog>

#include <array>

class CFoodDBDoc;
class CProfilePage;
class IMessageBox;
class QStackedWidget;

// "Profile Settings": the open profile's personal data and diet plan on five pages. The profile
// is changed page by page as the user moves and written once, when the sheet closes.
class CProfilePropertySheet : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPages = 5;

    CProfilePropertySheet(const QString& title, CFoodDBDoc& doc, IMessageBox& messages,
                          QWidget* parent = nullptr);

    int ActivePage() const;
    CProfilePage* Page(int index) const { return m_pages[index]; }
    // Leaves the active page (stored) for another (loaded); false when the page refuses.
    bool SetActivePage(int index);
    void done(int result) override;

private:
    CFoodDBDoc& m_doc;
    QStackedWidget* m_stack;
    std::array<CProfilePage*, kPages> m_pages{};
};
