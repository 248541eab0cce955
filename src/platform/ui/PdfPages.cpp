#include "PdfPages.h"

#include <QPageLayout>
#include <QPageSize>

bool PdfPages::Write(const QString& path, const QString& title, const std::function<void(IPages&)>& draw,
                     QString* error)
{
    PdfPages pages(path, title);
    if (pages.IsOpen())
        draw(pages);
    if (pages.Finish())
        return true;
    *error = pages.Error();
    return false;
}

PdfPages::PdfPages(const QString& path, const QString& title) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly)) {
        m_error = m_file.errorString();
        return;
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setTitle(title);
    m_writer->setCreator(QStringLiteral("Vellamo"));
    // One unit a point, the page's edge the drawing's: the report sets its own margins.
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_writer->setResolution(72);
    if (!m_painter.begin(m_writer.get())) {
        m_error = QStringLiteral("The PDF could not be started.");
        m_file.cancelWriting();
        return;
    }
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_surface = std::make_unique<QtDrawSurface>(m_painter);
    m_open = true;
}

PdfPages::~PdfPages()
{
    if (m_painter.isActive())
        m_painter.end();
    if (m_open)
        m_file.cancelWriting();
}

void PdfPages::NewPage()
{
    m_writer->newPage();
}

bool PdfPages::Finish()
{
    if (!m_open)
        return false;
    m_painter.end();
    m_open = false;
    if (!m_file.commit()) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}
