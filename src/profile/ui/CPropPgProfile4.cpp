#include "CPropPgProfile4.h"

#include "diary/CFoodDBDoc.h"
#include "diary/ui/CMealsPatternDlg.h"
#include "profile/ui/CDietGoalsDlg.h"

#include <QCoreApplication>
#include <QPushButton>

CPropPgProfile4::CPropPgProfile4(CFoodDBDoc& doc, IMessageBox& messages, QWidget* parent)
    : CProfilePage(doc, messages, tr("Advanced settings"), parent)
{
    Text(1198,
         QCoreApplication::translate(
             "CPropPgProfile4",
             "Tap the Diet Goals button if you need to define detailed nutritional diet goals or if "
             "you need to define diet goals for User Defined Parameters."),
         30, 64);
    // Both dialogs change the profile only on OK; the sheet writes it when it closes.
    connect(Button(1010, tr("Diet Goals"), 65, 98, 110), &QPushButton::clicked, this, [this] {
        CDietGoalsDlg dialog(m_doc.Profile(), m_messages, window());
        dialog.exec();
    });
    Text(1199,
         QCoreApplication::translate(
             "CPropPgProfile4",
             "Tap the Meals Pattern button to set up how your food intake is distributed on the "
             "different meals on the day. "),
         134, 50);
    connect(Button(1012, tr("Meals Pattern"), 65, 188, 110), &QPushButton::clicked, this, [this] {
        CMealsPatternDlg dialog(m_doc.Profile(), m_messages, window());
        dialog.exec();
    });
    Text(1200, tr("When finished tap Next to proceed. "), 230, 34);
    AddPageButtons(kPrevious | kNext);
}
