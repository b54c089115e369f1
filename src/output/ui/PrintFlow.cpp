#include "output/ui/PrintFlow.h"

#include "common/ui/BusyCursor.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "output/render/PrintRenderer.h"
#include "store/DatabaseLocation.h"

namespace zoruka::ui {

bool printTable(QWidget* parent, const PrintResult& result, const QString& title,
                const QString& printedMessage)
{
    if (result.refused()) {
        MessageBox::warning(parent, toQString(result.title), toQString(result.message));
        return false;
    }
    PrintOutcome outcome;
    {
        BusyCursor busy;
        outcome = printDocuments(result.documents,
                                 DatabaseLocation::startFolder().file().parent_path().string());
    }
    if (outcome.error) {
        MessageBox::warning(parent, title, toQString(*outcome.error));
        return false;
    }
    if (!outcome.pdfPath.empty()) {
        MessageBox::information(
            parent, title, print_flow::kSentToPdf + QLatin1Char('\n') + toQString(outcome.pdfPath));
    }
    if (!printedMessage.isEmpty()) {
        MessageBox::warning(parent, title, printedMessage);
    }
    return true;
}

std::string pdfOfSheets(const std::vector<PrintDocument>& documents) { return pdfBytes(documents); }

} // namespace zoruka::ui
