#pragma once

#include "platform/IPages.h"
#include "platform/ui/QtDrawSurface.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>
#include <memory>

// A PDF file of A4 pages drawn in points. The file appears whole when Finish succeeds, and not at
// all otherwise: an earlier file of that name stays as it was.
class PdfPages : public IPages
{
public:
    // Makes the file with what draw puts on its pages; false with the reason when it could not.
    static bool Write(const QString& path, const QString& title, const std::function<void(IPages&)>& draw,
                      QString* error);

    PdfPages(const QString& path, const QString& title);
    ~PdfPages() override;

    // False when the file cannot be made; Error says why.
    bool IsOpen() const { return m_open; }
    IDrawSurface& Page() override { return *m_surface; }
    void NewPage() override;
    bool Finish();
    QString Error() const { return m_error; }

private:
    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    std::unique_ptr<QtDrawSurface> m_surface;
    bool m_open = false;
    QString m_error;
};
