#include "output/render/PrintRenderer.h"

#include "output/OutputFile.h"
#include "output/render/PrintFonts.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <array>
#include <filesystem>
#include <stdexcept>

namespace zoruka {

namespace {

constexpr double kMillimetresPerInch = 25.4;

// The basic 16-colour palette, by palette number.
QColor paletteColour(int index)
{
    static const std::array<QColor, 16> kPalette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    const bool known = index >= 0 && index < static_cast<int>(kPalette.size());
    return kPalette[known ? static_cast<std::size_t>(index) : 0];
}

// The whole sheet is the page, so that positions count from the paper's corner.
QPageLayout pageLayout(const PrintDocument& document)
{
    QPageLayout layout(QPageSize(QPageSize::A4),
                       document.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

const PrintDocument& firstWithPages(const std::vector<PrintDocument>& documents)
{
    for (const PrintDocument& document : documents) {
        if (!document.pages.empty()) {
            return document;
        }
    }
    throw std::invalid_argument("no page to print");
}

class SheetPainter {
public:
    explicit SheetPainter(QPainter& painter)
        : m_painter(painter), m_dotsPerMm(painter.device()->logicalDpiX() / kMillimetresPerInch)
    {
    }

    void draw(const PrintOperation& operation)
    {
        std::visit([this](const auto& op) { drawOne(op); }, operation);
    }

private:
    QPointF at(double x, double y) const { return {x * m_dotsPerMm, y * m_dotsPerMm}; }

    void drawOne(const PrintText& text)
    {
        m_painter.setFont(printFont(text.font, text.size));
        m_painter.setPen(paletteColour(text.colour));
        // QPainter places text by its baseline; the layouts give the top.
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        const QString shown = QString::fromStdString(text.text);
        const double shift = text.endsAtX ? -metrics.horizontalAdvance(shown) : 0;
        m_painter.drawText(at(text.x, text.y) + QPointF(shift, metrics.ascent()), shown);
    }

    void drawOne(const PrintLine& line)
    {
        usePen(line.width, line.colour);
        m_painter.drawLine(at(line.x1, line.y1), at(line.x2, line.y2));
    }

    void drawOne(const PrintBox& box)
    {
        usePen(box.width, box.colour);
        m_painter.setBrush(box.fill == kNoFill ? QBrush(Qt::NoBrush)
                                               : QBrush(paletteColour(box.fill)));
        m_painter.drawRect(QRectF(at(box.x1, box.y1), at(box.x2, box.y2)).normalized());
    }

    void usePen(int width, int colour)
    {
        QPen pen(paletteColour(colour));
        pen.setWidthF(width * kMillimetresPerLineUnit * m_dotsPerMm);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(pen);
    }

    QPainter& m_painter;
    double m_dotsPerMm;
};

// Paints the pages of `document`. `pageOpen` tells whether the device already holds a page;
// every further page is started with the document's layout.
void paintPages(QPainter& painter, QPagedPaintDevice& device, const PrintDocument& document,
                bool& pageOpen)
{
    for (const PrintPage& page : document.pages) {
        if (pageOpen) {
            device.setPageLayout(pageLayout(document));
            device.newPage();
        }
        pageOpen = true;
        paintPage(painter, page);
    }
}

QString freePdfPath(const QDir& folder)
{
    const QString stem = QStringLiteral("ゾルカ_") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString name = stem + QStringLiteral(".pdf");
    for (int n = 2; folder.exists(name); ++n) {
        name = stem + QStringLiteral("_%1.pdf").arg(n);
    }
    return folder.filePath(name);
}

} // namespace

void paintPage(QPainter& painter, const PrintPage& page)
{
    SheetPainter sheet(painter);
    for (const PrintOperation& operation : page.operations) {
        sheet.draw(operation);
    }
}

std::string pdfBytes(const std::vector<PrintDocument>& documents)
{
    const PrintDocument& first = firstWithPages(documents);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Zoruka"));
        writer.setPageLayout(pageLayout(first));
        QPainter painter(&writer);
        bool pageOpen = false;
        for (const PrintDocument& document : documents) {
            paintPages(painter, writer, document, pageOpen);
        }
    }
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::optional<std::string> writePdf(const std::vector<PrintDocument>& documents,
                                    const std::string& path)
{
    return writeOutputFile(path, pdfBytes(documents));
}

PrintOutcome printDocuments(const std::vector<PrintDocument>& documents, const std::string& folder)
{
    firstWithPages(documents); // an empty job is refused before the printer is touched
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        const QDir pdfFolder(QDir(QString::fromStdString(folder))
                                 .filePath(QString::fromUtf8(
                                     print_renderer::kPdfFolder.data(),
                                     static_cast<qsizetype>(print_renderer::kPdfFolder.size()))));
        std::error_code error;
        std::filesystem::create_directories(pdfFolder.path().toStdString(), error);
        if (error) {
            return {output_file::cannotWrite(error.value()), {}};
        }
        const std::string path = freePdfPath(pdfFolder).toStdString();
        if (auto error = writePdf(documents, path)) {
            return {std::move(error), {}};
        }
        return {std::nullopt, path};
    }

    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("ゾルカ"));
    for (const PrintDocument& document : documents) {
        if (document.pages.empty()) {
            continue;
        }
        printer.setPageLayout(pageLayout(document));
        QPainter painter;
        if (!painter.begin(&printer)) {
            return {std::string(print_renderer::kPrinterFailed), {}};
        }
        bool pageOpen = false;
        paintPages(painter, printer, document, pageOpen);
        if (!painter.end() || printer.printerState() == QPrinter::Error) {
            return {std::string(print_renderer::kPrinterFailed), {}};
        }
    }
    return {};
}

} // namespace zoruka
