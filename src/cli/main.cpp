#include "cli/CommandLine.h"
#include "output/render/PrintRenderer.h"
#include "output/render/RenderApplication.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // Only a PDF needs Qt; the application object is made when the first one is written.
    std::unique_ptr<QGuiApplication> app;
    const zoruka::PdfRenderer renderPdf = [&](const std::vector<zoruka::PrintDocument>& documents) {
        if (!app) {
            app = zoruka::makeRenderApplication(argc, argv);
        }
        return zoruka::pdfBytes(documents);
    };
    return zoruka::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr, renderPdf);
}
