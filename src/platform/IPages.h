#pragma once

#include "platform/IDrawSurface.h"

// A paged document to draw on, page by page: A4 in points (595 × 842), the first page open from
// the start. The GUI and the command line back it with a PDF file; tests with recordings.
class IPages
{
public:
    static constexpr int kWidth = 595;
    static constexpr int kHeight = 842;

    virtual ~IPages() = default;
    virtual IDrawSurface& Page() = 0;
    virtual void NewPage() = 0;
};
