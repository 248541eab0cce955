#pragma once

#include "app/ui/AppServices.h"
#include "app/ui/CommandId.h"
#include "diary/IDocumentObserver.h"

#include <QWidget>

class CDatePicker;

// Base of the frame's views: a form on the one document, told to update after every change.
class CFormView : public QWidget, public IDocumentObserver
{
    Q_OBJECT

public:
    // The File menu's commands of some views: Reports saves a PDF, the charts a picture.
    static constexpr int kSaveAsPdf = CommandId::kSaveAsPdf;
    static constexpr int kSavePicture = CommandId::kSavePicture;

    CFormView(AppServices& services, int templateId, QWidget* parent = nullptr);
    ~CFormView() override;

    // Once, after the frame has created the view and handed it the date picker.
    virtual void OnInitialUpdate() {}
    // The view is about to be left or the frame closed: keep what the user entered.
    virtual void FinishView() {}
    // A command of the frame's command bar; false when the view does not handle it.
    virtual bool OnCommand(int id);
    virtual void SetDatePicker(CDatePicker*) {}
    // The drop-down arrow of a command button.
    virtual void OnDropDown(int) {}
    // Whether a command of the view's bar can be used now (e.g. with what is selected).
    virtual bool CommandEnabled(int) const { return true; }
    void OnDocumentUpdate() override;

signals:
    // What CommandEnabled answers may have changed.
    void commandsChanged();

protected:
    AppServices& m_services;

private:
};
