#pragma once

// A view attached to the document; told to update after every change.
class IDocumentObserver
{
public:
    virtual ~IDocumentObserver() = default;
    virtual void OnDocumentUpdate() = 0;
};
